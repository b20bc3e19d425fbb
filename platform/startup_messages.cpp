// The start-up message table, one column of eight texts per language.
#include "platform/startup_messages.h"

namespace {

using Column = const char16_t* const[kStartupMessageCount];

constexpr Column kCzech = {
    u"Hra nainstalována.\nChceš ji spustit?",
    u"Nepodarilo se spustit hru.\nSpust ji z adresáre her.",
    u"Poznámka",
    u"Chceš doopravdy skoncit?",
    u"Uvolnení potrebné pameti se nezdarilo.\nZkus zavrít všechny aplikace a spustit hru znovu.",
    u"Chceš zachovat svá uložená data?",
    u"Please wait",
    (u"Nelze nainstalovat hru. Potrebuješ alespon %.2f MB volného místa v telefonu pro instalaci "
     u"hry."),
};

constexpr Column kGerman = {
    u"Das Spiel ist installiert.\nMöchtest du es jetzt starten?",
    u"Spiel konnte nicht gestartet werden.\nVersuche, es vom Spiele-Ordner aus zu starten.",
    u"Hinweis",
    u"Wirklich beenden?",
    (u"Es gibt nicht genügend freien Speicherplatz für das Spiel.\nBeende bitte alle Anwendungen "
     u"und starte das Spiel erneut."),
    u"Möchtest du deine gespeicherten Daten behalten?",
    u"Bitte warten",
    u"Cannot install the game. You need at least %.2f of free storage space.",
};

constexpr Column kSpanish = {
    u"Juego instalado.\n¿Quieres ejecutarlo ahora?",
    u"No se pudo ejecutar el juego.\nPor favor ejecutalo desde la carpeta Juegos o Games.",
    u"Advertencia",
    u"¿Estas seguro que quieres salir?",
    (u"No se ha podido liberar el espacio de memoria requerido para ejecutar el juego.\nPor "
     u"favor, intenta cerrar todas las aplicaciones y vuelve a abrir el juego."),
    u"¿Quieres conservar tus datos guardados?",
    u"Aguarde",
    (u"No puedo instalar el juego. Usted necesita de por lo menos %.2f MB de espacio de "
     u"almecenamiento libre en el teléfono para poder instalarlo."),
};

constexpr Column kFrench = {
    u"Jeu installé.\nLancer le jeu?",
    u"Impossible de lancer le jeu.\nVeuillez le lancer à partir du dossier Jeux.",
    u"Avertissement",
    u"Etes-vous sûr de vouloir quitter?",
    (u"Impossible de libérer la mémoire requise pour lancer le jeu.\nFermez toutes les "
     u"applications en cours et relancez le jeu."),
    u"Voulez-vous conserver les données sauvegardées?",
    u"Merci de patienter",
    u"Cannot install the game. You need at least %.2f of free storage space.",
};

constexpr Column kPortuguese = {
    u"Jogo instalado.\nDeseja iniciá-lo?",
    u"Não foi possível iniciar o jogo.\nFavor iniciá-lo da pasta de jogos.",
    u"Aviso",
    u"Tenz a certeza que queres sair?",
    (u"Não foi possivel obter a memória requerida para que o jogo funcione.\nPor favor, tenta "
     u"fechar todas as aplicações e inicia o jogo de novo."),
    u"Queres manter os teus dados guardados?",
    u"Aguarde",
    u"Cannot install the game. You need at least %.2f of free storage space.",
};

constexpr Column kEnglish = {
    u"Game installed.\nDo you want to launch it?",
    u"Could not launch the game.\nPlease launch it from Games folder.",
    u"Notice",
    u"Are you sure you want to quit?",
    (u"Could not free the required memory to run the game.\nPlease try closing all running "
     u"applications and launch the game again."),
    u"Do you want to keep your saved data?",
    u"Please wait",
    (u"Cannot install the game. You need at least %.2f MB of free storage space on the device to "
     u"install the game."),
};

const char16_t* const* selected = kEnglish;

}  // namespace

void selectStartupMessages(uint32_t languageId) {
  switch (languageId) {
    case 5:
      selected = kCzech;
      break;
    case 7:
      selected = kGerman;
      break;
    case 10:
      selected = kSpanish;
      break;
    case 12:
      selected = kFrench;
      break;
    case 22:
      selected = kPortuguese;
      break;
    default:
      selected = kEnglish;
      break;
  }
}

const char16_t* getStartupMessage(int32_t index) {
  if (index < 0 || index >= kStartupMessageCount || !selected[index] || !*selected[index]) {
    return u"NULL";
  }
  return selected[index];
}
