#include "GifLzw.h"

#include <unordered_map>

namespace {

constexpr int MaxCodeBits = 12;
constexpr int TableLimit = 1 << MaxCodeBits;

class BitPacker {
public:
    void put(int code, int bits) {
        m_buffer |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_buffer & 0xff));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish() {
        if (m_count > 0)
            m_bytes.append(char(m_buffer & 0xff));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_count = 0;
};

} // namespace

QByteArray gifLzwEncode(const QByteArray& indices, int minCodeSize) {
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitPacker out;
    // A string is known by the code of its prefix and its last index: key = prefix * 256 + index.
    std::unordered_map<int, int> table;
    int codeBits = minCodeSize + 1;
    int nextCode = endCode + 1;

    out.put(clearCode, codeBits);
    if (indices.isEmpty()) {
        out.put(endCode, codeBits);
        return out.finish();
    }

    // The decoder learns each new code one step later than the encoder makes it, so the width
    // grows once the code about to be made no longer fits; this also holds before the end code.
    const auto putCode = [&](int code) {
        out.put(code, codeBits);
        if (nextCode >= (1 << codeBits) && codeBits < MaxCodeBits)
            ++codeBits;
    };

    int prefix = quint8(indices[0]);
    for (qsizetype i = 1; i < indices.size(); ++i) {
        const int index = quint8(indices[i]);
        const int key = prefix * 256 + index;
        if (const auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        putCode(prefix);
        if (nextCode < TableLimit) {
            table.emplace(key, nextCode++);
        } else {
            out.put(clearCode, codeBits);
            table.clear();
            codeBits = minCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = index;
    }
    putCode(prefix);
    out.put(endCode, codeBits);
    return out.finish();
}
