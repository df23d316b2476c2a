#include "transfer/CorruptedDataReport.h"

#include "core/Globals.h"
#include "platform/Dialogs.h"

// These texts live in the program rather than the string table, one pair per language.
QString CorruptedDataMessage(const QString &shownStart) {
    const char *before = "Data from the Activity on: ";
    const char *after = " is corrupted. Runvella will store the valid data prior to the error.";
    switch (gLanguageOffset) {
    case 1000:
        before = "Des données de l'activité sur : ";
        after = " sont corrompues. Runvella stockera les données valides avant l'erreur.";
        break;
    case 2000:
        before = "Los datos de la actividad en : ";
        after = " se corrompen. Runvella almacenará los datos válidos antes del error.";
        break;
    case 3000:
        before = "Daten von der Tätigkeit auf: ";
        after = " werden verdorben. Runvella speichert die gültigen Daten vor der Störung.";
        break;
    case 4000:
        before = "I dati dall'attività su: ";
        after = " sono corrotti. Runvella memorizzerà i dati validi prima dell'errore.";
        break;
    }
    return QString::fromUtf8(before) + shownStart + QString::fromUtf8(after);
}

void ReportCorruptedData(const QString &shownStart) {
    platform::dialogs::message(CorruptedDataMessage(shownStart), "Runvella", platform::dialogs::Icon::None);
}

QString CorruptedAfterMessage(const QString &shownEnd) {
    const char *before = "Data recorded after ";
    const char *after = " is corrupted. Runvella will store the valid data prior to the error.";
    switch (gLanguageOffset) {
    case 1000:
        before = "Les données enregistrées après ";
        after = " sont corrompues. Runvella stockera les données valides avant l'erreur.";
        break;
    case 2000:
        before = "Los datos registrados después de ";
        after = " están dañados. Runvella almacenará los datos válidos antes del error.";
        break;
    case 3000:
        before = "Die nach ";
        after =
            " aufgezeichneten Daten sind beschädigt. Runvella speichert die gültigen Daten vor der Störung.";
        break;
    case 4000:
        before = "I dati registrati dopo ";
        after = " sono corrotti. Runvella memorizzerà i dati validi prima dell'errore.";
        break;
    }
    return QString::fromUtf8(before) + shownEnd + QString::fromUtf8(after);
}

void ReportCorruptedAfter(const QString &shownEnd) {
    platform::dialogs::message(CorruptedAfterMessage(shownEnd), "Runvella", platform::dialogs::Icon::None);
}
