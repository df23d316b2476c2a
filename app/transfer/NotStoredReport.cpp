#include "transfer/NotStoredReport.h"

#include "core/Globals.h"
#include "platform/Dialogs.h"

// These texts live in the program rather than the string table, one per language.
QString NotStoredMessage(const QStringList &shownStarts) {
    const char *text =
        "These activities from the Data Recorder could not be stored, so its memory was not cleared:";
    switch (gLanguageOffset) {
    case 1000:
        text = "Ces activités de l'enregistreur n'ont pas pu être stockées ; sa mémoire n'a donc pas été "
               "effacée :";
        break;
    case 2000:
        text =
            "Estas actividades del registrador no se pudieron almacenar, por lo que su memoria no se borró:";
        break;
    case 3000:
        text = "Diese Aktivitäten des Datenrecorders konnten nicht gespeichert werden, daher wurde sein "
               "Speicher "
               "nicht gelöscht:";
        break;
    case 4000:
        text =
            "Queste attività del registratore non sono state memorizzate, quindi la sua memoria non è stata "
            "cancellata:";
        break;
    }
    return QString::fromUtf8(text) + "\n\n" + shownStarts.join('\n');
}

void ReportSessionsNotStored(const QStringList &shownStarts) {
    platform::dialogs::message(NotStoredMessage(shownStarts), "Runvella", platform::dialogs::Icon::Warning);
}
