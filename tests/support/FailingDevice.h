#pragma once

#include <QIODevice>

// A device that reads from or takes in the given number of bytes and then fails, the way a
// vanishing network share or a full disk does.
class FailingDevice final : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 failAfter)
        : m_data(std::move(data)), m_failAfter(failAfter) {}

    QByteArray written;

protected:
    qint64 readData(char* out, qint64 max) override {
        const qint64 left = std::min<qint64>(m_data.size(), m_failAfter) - m_pos;
        if (left <= 0) {
            if (m_pos >= m_data.size())
                return 0;
            setErrorString(QStringLiteral("Das Gerät ist nicht bereit"));
            return -1;
        }
        const qint64 n = std::min(left, max);
        std::copy_n(m_data.constData() + m_pos, n, out);
        m_pos += n;
        return n;
    }
    qint64 writeData(const char* in, qint64 size) override {
        const qint64 left = m_failAfter - written.size();
        if (left <= 0) {
            setErrorString(QStringLiteral("Kein Platz mehr auf dem Gerät"));
            return -1;
        }
        const qint64 n = std::min(left, size);
        written.append(in, n);
        return n;
    }

private:
    QByteArray m_data;
    qint64 m_failAfter;
    qint64 m_pos = 0;
};
