#include "PhaseTexts.h"

#include <array>

namespace {

// One paragraph per PhaseIndex; filled in by the texts work.
const std::array<const char*, 21> Texts{
    "Vorsicht ! Kritischer Tag für Ihren körperlichen Zustand.",
    "Ihr körperlicher Zustand wird sich nun von Tag zu Tag verbessern.",
    "Heute können Sie Ihr absolutes körperliches Hoch erreichen .",
    "Ihr körperlicher Zustand ist gut, jedoch wird er nun von Tag zu Tag ein klein wenig geringer.",
    "Oh, Oh,  nach guten Tagen kommen auch schlechtere Tage.",
    "Ihre körperliche Verfassung ist auf dem absoluten Nullpunkt .",
    "Ihr körperlicher Zustand ist immer noch in der negativen Phase , jedoch nach Tagen der körperlichen Tiefphase geht es nun wieder langsam, wenn auch nur ein wenig, Tag für Tag aufwärts .",
    "Vorsicht kritischer Tag !",
    "Aufgeschlossen und für alle Kontakte offen, so werden Sie diese Tage der positiven seelischen Phase erleben.",
    "Das ist der Tage Ihrer absoluten seelischen Hochphase .",
    "Ihre positive seelische Phase fällt jetzt etwas zurück, was nichts negatives bedeutet,eher das sich diese Tage als stabiler darstellen,da die vorhergehende Tage sonst eher übertriebene Gefühle hervor brachten .",
    "Unsicherheit ,  Lustlosigkeit und Unausgeglichenheit machen sich breit .",
    "Jetzt hängen Sie ganz daneben, denn Sie sind in seelischer Beziehung ganz im Keller.",
    "Die kommenden Tage werden wieder langsam besser .",
    "Achtung kritischer Tag !",
    "Ihr geistiges Bewußtsein steigert sich von Tag zu Tag mehr.",
    "Dieser Tag beschert Ihnen ein absolutes geistiges Hoch .",
    "Sie können weiterhin auf Ihre geistiges Potential zählen .",
    "Na ja,auch geistige Hochtage gehen mal zu Ende.Sicherlich können Sie noch geistig logische Aufgaben lösen oder Entscheidungen treffen, wohl wird Ihnen dies von Tag zu Tag schwerer fallen.",
    "Absoluter geistiger Tiefpunkt ist erreicht.",
    "Es dauert noch etwas bis Sie Ihr geistiges Potential wieder voll nutzen können, doch jeden Tag wird es etwas besser.",
};

} // namespace

QString phaseText(std::int16_t phaseIndex) {
    if (phaseIndex < 0 || phaseIndex >= static_cast<std::int16_t>(Texts.size()))
        return QString();
    return QString::fromUtf8(Texts[static_cast<std::size_t>(phaseIndex)]);
}
