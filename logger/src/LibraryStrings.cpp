#include "LibraryStrings.h"

#include "LibraryState.h"

#include <array>
#include <string_view>

namespace logger {
namespace {

constexpr int kLanguageCount = 5;
constexpr int kLanguageStep = 1000;

struct Entry {
    int id;
    std::array<std::string_view, kLanguageCount> texts; // English, French, Spanish, German, Italian
};

// clang-format off
constexpr Entry kTable[] = {
    {1, {"Device not connected.", "Enregistreur non connecté.", "Dispositivo no conectado.",
         "Gerät nicht angeschlossen.", "Dispositivo non collegato."}},
    {2, {"Device not found.", "Enregistreur introuvable.", "Dispositivo no encontrado.",
         "Gerät nicht gefunden.", "Dispositivo non trovato."}},
    {3, {"VELKO Data Recorder", "VELKO Data Recorder", "VELKO Data Recorder", "VELKO Data Recorder",
         "VELKO Data Recorder"}},
    {4, {"Upload in Progress...", "Téléchargement en cours...", "Upload en marcha...",
         "Übertragung läuft...", "Upload in corso..."}},
    {5, {"Error in getting version.", "Erreur de lecture de la version.", "Error al obtener la versión.",
         "Fehler beim Lesen der Version.", "Errore nella lettura della versione."}},
    {6, {"Error in getting data size.", "Erreur de lecture de la taille des données.",
         "Error al obtener el tamaño de los datos.", "Fehler beim Lesen der Datengröße.",
         "Errore nella lettura della dimensione dei dati."}},
    {7, {"Please send command again.", "Veuillez renvoyer la commande.", "Envíe el comando de nuevo.",
         "Bitte senden Sie den Befehl erneut.", "Inviare di nuovo il comando."}},
    {8, {"Device memory not cleared.", "La mémoire de l'enregistreur n'a pas été effacée.",
         "No se ha borrado la memoria del dispositivo.", "Gerätespeicher wurde nicht gelöscht.",
         "La memoria del dispositivo non è stata cancellata."}},
    {9, {"Time synchronization error.", "Erreur de synchronisation de l'heure.",
         "Error de sincronización de la hora.", "Fehler beim Abgleich der Uhrzeit.",
         "Errore di sincronizzazione dell'ora."}},
    {10, {"Operation completed successfully.", "Opération terminée avec succès.",
          "Operación completada correctamente.", "Vorgang erfolgreich abgeschlossen.",
          "Operazione completata correttamente."}},
    {11, {"Upload has been cancelled.", "Le téléchargement a été annulé.", "Se ha cancelado el upload.",
          "Die Übertragung wurde abgebrochen.", "L'upload è stato annullato."}},
    {12, {"Error sending command.", "Erreur d'envoi de la commande.", "Error al enviar el comando.",
          "Fehler beim Senden des Befehls.", "Errore nell'invio del comando."}},
    {13, {"Error during upload.", "Erreur pendant le téléchargement.", "Error durante el upload.",
          "Fehler während der Übertragung.", "Errore durante l'upload."}},
    {14, {"No data to upload.", "Aucune donnée à télécharger.", "No hay datos para el upload.",
          "Keine Daten zu übertragen.", "Nessun dato da caricare."}},
    {15, {"Insufficient memory space.", "Mémoire insuffisante.", "Espacio de memoria insuficiente.",
          "Nicht genügend Speicher.", "Memoria insufficiente."}},
    {16, {"An error found in ROM Test.", "Erreur détectée par le test de la ROM.",
          "Error detectado en la prueba de ROM.", "Fehler im ROM-Test gefunden.",
          "Errore rilevato nel test della ROM."}},
    {17, {"An error found in RAM Test.", "Erreur détectée par le test de la RAM.",
          "Error detectado en la prueba de RAM.", "Fehler im RAM-Test gefunden.",
          "Errore rilevato nel test della RAM."}},
    {18, {"A problem exist in the EEPROM.", "L'EEPROM présente un problème.", "Hay un problema en la EEPROM.",
          "Im EEPROM liegt ein Problem vor.", "Esiste un problema nella EEPROM."}},
    {19, {"Error in reading manufacturing options.", "Erreur de lecture des options de fabrication.",
          "Error al leer las opciones de fabricación.", "Fehler beim Lesen der Fertigungsoptionen.",
          "Errore nella lettura delle opzioni di produzione."}},
    {20, {"Error in changing manufacturing options.", "Erreur de modification des options de fabrication.",
          "Error al cambiar las opciones de fabricación.", "Fehler beim Ändern der Fertigungsoptionen.",
          "Errore nella modifica delle opzioni di produzione."}},
    {21, {"Error in resetting manufacturing options.",
          "Erreur de réinitialisation des options de fabrication.",
          "Error al restablecer las opciones de fabricación.", "Fehler beim Zurücksetzen der Fertigungsoptionen.",
          "Errore nel ripristino delle opzioni di produzione."}},
    {22, {"Error in upload cancel.", "Erreur lors de l'annulation du téléchargement.",
          "Error al cancelar el upload.", "Fehler beim Abbrechen der Übertragung.",
          "Errore nell'annullamento dell'upload."}},
    {23, {"No valid data to display.", "Aucune donnée valide à afficher.", "No hay datos válidos para mostrar.",
          "Keine gültigen Daten zum Anzeigen.", "Nessun dato valido da visualizzare."}},
    {24, {"Unexpected upload error.", "Erreur inattendue pendant le téléchargement.",
          "Error inesperado durante el upload.", "Unerwarteter Fehler bei der Übertragung.",
          "Errore imprevisto durante l'upload."}},
    {25, {"Upload has been interrupted.", "Le téléchargement a été interrompu.", "Se ha interrumpido el upload.",
          "Die Übertragung wurde unterbrochen.", "L'upload è stato interrotto."}},
    {26, {"Upload is incomplete.", "Le téléchargement est incomplet.", "El upload está incompleto.",
          "Die Übertragung ist unvollständig.", "L'upload è incompleto."}},
    {27, {"Unable to read the debug mode input file (logger_rom.bin).",
          "Impossible de lire le fichier d'entrée du mode de débogage (logger_rom.bin).",
          "No se puede leer el archivo de entrada del modo de depuración (logger_rom.bin).",
          "Die Eingabedatei des Debug-Modus (logger_rom.bin) kann nicht gelesen werden.",
          "Impossibile leggere il file di input della modalità di debug (logger_rom.bin)."}},
    {50000, {"Upload in progress...", "Téléchargement en marche...", "Upload en marcha...",
             "Daten werden übertragen...", "Upload in progresso..."}},
    {50001, {"Cancel", "Annuler", "Cancelar", "Abbrechen", "Annulla"}},
};
// clang-format on

const Entry *entryOf(int englishId) {
    for (const Entry &entry : kTable)
        if (entry.id == englishId)
            return &entry;
    return nullptr;
}

QString toText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

QString libraryString(int fullId) {
    // Ids below 50000 step by language from 1; the progress texts from 50000.
    const int base = fullId >= 50000 ? 50000 : 0;
    const int language = (fullId - base) / kLanguageStep;
    const Entry *entry = entryOf(fullId - language * kLanguageStep);
    if (!entry || language >= kLanguageCount)
        return {};
    return toText(entry->texts[language]);
}

QString localString(int englishId) {
    return libraryString(englishId + state().languageOffset);
}

QString libraryCaption() {
    return libraryString(kCaptionString);
}

} // namespace logger
