#include "PhaseTexts.h"

#include <QCoreApplication>

#include <array>

namespace {

// One paragraph per PhaseIndex: 0-6 physical, 7-13 emotional, 14-20 intellectual. The odd
// blanks around some commas and full stops are part of the texts and are kept. One line per
// text, so that a text can be found and edited as a whole. The German text is also the key of
// its translation in the context PhaseTexts.
// clang-format off
const std::array<const char*, 21> Texts{
    QT_TRANSLATE_NOOP("PhaseTexts", "Vorsicht ! Kritischer Tag für Ihren körperlichen Zustand. Ihr Körper kann heute so geschwächt sein, daß Kopfschmerzen oder sogar eine Migräne auftreten können. Eine chronische Krankheit kann sich heute besonders stark bemerkbar machen. Seien Sie bei allem, was Sie tun, sehr vorsichtig, denn an einem solchen Tag ist auch die Gefahr von Unfällen erhöht."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Ihr körperlicher Zustand wird sich nun von Tag zu Tag verbessern. Jetzt ist eine gute Zeit, sich wieder mehr körperlichen Aktivitäten zuzuwenden, sei es Sport, Wandern oder die Arbeit im Haus. Sie werden sich von Tag zu Tag vitaler und kräftiger fühlen. Klima, Wetterwechsel oder kleinere Verletzungen werden Ihnen in diesen Tagen kaum etwas ausmachen können."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Heute können Sie Ihr absolutes körperliches Hoch erreichen . Ihre Kraft und Ihre Ausdauer sind heute auf dem besten Stand, und eine Krankheit werden Sie an diesem Tag kaum spüren. Jede körperliche Arbeit geht Ihnen leicht von der Hand, und sportliche Leistungen fallen Ihnen heute nicht schwer. Nutzen Sie diesen Tag also gut, denn so schnell kommt er nicht wieder."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Ihr körperlicher Zustand ist gut, jedoch wird er nun von Tag zu Tag ein klein wenig geringer. Dies ist aber kein Grund zur Sorge, denn Ihre körperliche Leistungsfähigkeit ist immer noch deutlich im positiven Bereich. Es sind ganz normale Tage, an denen Sie Ihre Arbeit wie gewohnt erledigen können. Sie sollten jedoch vermeiden, Ihre körperlichen Grenzen auszutesten."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Oh, Oh,  nach guten Tagen kommen auch schlechtere Tage. Ihre körperliche Widerstandskraft nimmt nun von Tag zu Tag ab, und vorhandene Leiden treten stärker in den Vordergrund. Rechnen Sie mit Müdigkeit und einer gewissen Schlappheit. Vermeiden Sie in diesen Tagen große körperliche Anstrengungen und gönnen Sie sich lieber etwas mehr Ruhe."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Ihre körperliche Verfassung ist auf dem absoluten Nullpunkt . Kopfschmerzen, Trägheit und Lustlosigkeit sind Ihnen heute gewiß, und jede noch so kleine körperliche Arbeit wird Ihnen zur Qual. Schonen Sie deshalb Ihre Kräfte und nehmen Sie sich für diesen Tag nicht zu viel vor. Trösten Sie sich aber damit, daß es von nun an eigentlich nur noch besser werden kann."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Ihr körperlicher Zustand ist immer noch in der negativen Phase , jedoch nach Tagen der körperlichen Tiefphase geht es nun wieder langsam, wenn auch nur ein wenig, Tag für Tag aufwärts . Schonen Sie aber weiterhin Ihre Kräfte und vermeiden Sie jede Überanstrengung."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Vorsicht kritischer Tag ! Ihre Stimmung kann heute gedrückt, gereizt und auch verwirrt sein. Kommen dann noch negative Einflüsse von außen hinzu, so kann es leicht zu unkontrollierten Handlungen kommen, die Sie später bereuen. Vermeiden Sie deshalb Hektik und Streß, so gut es nur geht. Auch Konflikte mit Ihrer Umgebung sind an diesem Tag möglich, also bleiben Sie ruhig."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Aufgeschlossen und für alle Kontakte offen, so werden Sie diese Tage der positiven seelischen Phase erleben. Ihre Gefühle werden von Tag zu Tag stärker. Sie suchen den Kontakt zu anderen Menschen, sind gefühlsbetont und dabei ausgeglichen. Zeigen Sie ruhig offen Ihre Gefühle, denn das kann Ihnen jetzt nur helfen."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Das ist der Tage Ihrer absoluten seelischen Hochphase . Sie sind heute äußerst gefühlsbetont, ausgeglichen und rundum zufrieden, Ihre Gefühle wachsen geradezu bis in den Himmel. Sie suchen gefühlsmäßige Bindungen zu anderen Menschen, doch Vorsicht, auf Ihre Mitmenschen können Sie dabei leicht übertrieben, ja sogar ein wenig arrogant wirken."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Ihre positive seelische Phase fällt jetzt etwas zurück, was nichts negatives bedeutet,eher das sich diese Tage als stabiler darstellen,da die vorhergehende Tage sonst eher übertriebene Gefühle hervor brachten . Es sind daher ideale Tage für soziale Kontakte aller Art. Nutzen Sie Ihr gesteigertes Wahrnehmungsvermögen."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Unsicherheit ,  Lustlosigkeit und Unausgeglichenheit machen sich breit . Es sind etwas problematische Tage, an denen Sie jedem Streit aus dem Weg gehen sollten. Depressive Neigungen können jetzt in den Vordergrund treten, und auch mit Ihrer Umgebung kann es zu kleineren Konflikten kommen. Nehmen Sie deshalb nicht alles so ernst, auch diese Tage gehen vorüber."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Jetzt hängen Sie ganz daneben, denn Sie sind in seelischer Beziehung ganz im Keller. Heute ist ein Tag der seelischen Krisen. Beschäftigen Sie sich am besten mit einer einfachen Tätigkeit, etwa mit Gartenarbeit oder einem Spaziergang, damit Ihnen erst gar keine Zeit zum Grübeln bleibt."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Die kommenden Tage werden wieder langsam besser . Ihre Ausgeglichenheit kehrt im Laufe einiger Tage langsam zurück. Grübeln Sie jetzt nicht über den Sinn des Lebens nach, sondern verbringen Sie diese Tage lieber mit belanglosen Dingen, die Ihnen keine Mühe machen."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Achtung kritischer Tag ! Ihr logisches Denkvermögen und Ihre Konzentration lassen heute sehr zu wünschen übrig, was leicht zu unüberlegten Handlungen führen kann. Treffen Sie an diesem Tag möglichst keine großen Entscheidungen und schließen Sie keine Verträge oder Geschäfte ab. Handeln Sie bei allem mit Bedacht, denn die Gefahr von Unfällen ist heute ganz besonders hoch."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Ihr geistiges Bewußtsein steigert sich von Tag zu Tag mehr. Es sind ideale Tage für geistige Arbeiten, für Prüfungen, für langfristige Entscheidungen und für komplizierte Aufgaben aller Art. Sie gehen mit logischer Entschlossenheit ans Werk und werden damit in den meisten Fällen auch Erfolg haben. Packen Sie also jetzt an, was Sie schon lange vor sich herschieben."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Dieser Tag beschert Ihnen ein absolutes geistiges Hoch . An solch einem Tag werden Ideen geboren und Erfindungen gemacht. Was Ihnen sonst schwer fällt, durchschauen Sie heute mit Leichtigkeit. Nehmen Sie die Herausforderung an, und der Erfolg wird sich ganz sicher einstellen."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Sie können weiterhin auf Ihre geistiges Potential zählen . Logik und Neugier sind noch vorhanden, und Sie können Ihre Aufgaben gut bewältigen, doch Ihr Potential wird nun von Tag zu Tag etwas geringer. Nutzen Sie deshalb jeden dieser Tage, denn besser wird es vorerst nicht mehr."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Na ja,auch geistige Hochtage gehen mal zu Ende.Sicherlich können Sie noch geistig logische Aufgaben lösen oder Entscheidungen treffen, wohl wird Ihnen dies von Tag zu Tag schwerer fallen. Wird es Ihnen einmal zu schwer, so verschieben Sie die Sache lieber auf einen besseren Tag, an dem Sie wieder klarer denken können."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Absoluter geistiger Tiefpunkt ist erreicht. Heute würden Sie sogar bei der Aufgabe 2x2+2 ins Grübeln kommen und womöglich doch das falsche Ergebnis erhalten. Geistige Arbeit hat an diesem Tag einfach keinen Sinn, oder sie dauert ein Vielfaches der sonst üblichen Zeit. Lassen Sie es also ruhig angehen."),
    QT_TRANSLATE_NOOP("PhaseTexts", "Es dauert noch etwas bis Sie Ihr geistiges Potential wieder voll nutzen können, doch jeden Tag wird es etwas besser. Verbringen Sie solche Tage mit Routinearbeiten, die wenig Nachdenken erfordern. Quälen Sie sich nicht mit Dingen herum, die Ihnen an einem besseren Tag leicht fallen werden. Haben Sie noch ein wenig Geduld, bald sind Sie wieder ganz auf der Höhe."),
};
// clang-format on

} // namespace

QString phaseText(std::int16_t phaseIndex) {
    if (phaseIndex < 0 || phaseIndex >= static_cast<std::int16_t>(Texts.size()))
        return QString();
    return QCoreApplication::translate("PhaseTexts", Texts[static_cast<std::size_t>(phaseIndex)]);
}

QString leadSentence(std::int16_t phaseIndex) {
    const QString text = phaseText(phaseIndex);
    // "Ende.Sicherlich" in one text is a missing blank, not the end of a sentence.
    for (qsizetype stop = text.indexOf(QLatin1Char('.')); stop >= 0;
         stop = text.indexOf(QLatin1Char('.'), stop + 1)) {
        if (stop + 1 == text.size() || text.at(stop + 1) == QLatin1Char(' '))
            return text.left(stop + 1);
    }
    return text;
}
