// Written by scripts/make_language_files.py with the language files: edit
// its table and run it rather than editing this file.
#pragma once

#include <array>

// The entries of the message table that the code puts on screen, by what
// they say; the numbers are those of the language files' MSG lines.
enum class Message {
    knockoutButton = 1,             // Phase Finale
    groupsButton = 2,               // Phase de Groupes
    drawLots = 3,                   // Tirage au sort !
    updateQuestion = 4,             // Voulez-vous télécharger les résultats officiels ? Ils rem...
    updateTitle = 5,                // Mise à jour
    chooseYear = 6,                 // Choisir l'année...
    noMatches = 7,                  // Pas de match
    onThisDay = 8,                  // ce jour-là
    statsTitle = 9,                 // Statistiques de la Coupe du Monde
    goals = 10,                     // buts
    goalsHeading = 11,              // Meilleurs buteurs :
    rankingHeading = 13,            // Classement :
    groupStageExit = 14,            // 1er tour
    saveFailed = 15,                // Le pronostic n'a pas pu être enregistré dans le fichier %1.
    shootOut = 16,                  // Tirs au but
    toCompact = 17,                 // Passer en mode réduit
    toNormal = 18,                  // Passer en mode normal
    unsavedQuestion = 19,           // Votre pronostic a changé depuis le dernier enregistrement...
    saveAnswer = 20,                // Enregistrer
    discardAnswer = 21,             // Quitter sans enregistrer
    stayAnswer = 22,                // Annuler
    saved = 23,                     // Pronostic enregistré.
    predictionsTitle = 24,          // Pronostics
    rankingHeaders = 25,            // Pronostic|Points|Scores exacts|Bons résultats|Phase finale
    matchDayHeading = 26,           // Vainqueur de chaque journée
    matchDayNames = 27,             // Journée 1|Journée 2|Journée 3|Huitièmes|Quarts|Demies|Finale
    matchHeading = 28,              // Les pronostics d'un match
    matchHeaders = 29,              // Pronostic|Score|Points
    connectionFailed = 30,          // Erreur de connexion !
    newerVersion = 31,              // Une version plus récente existe, voulez vous la télécharg...
    downloading = 32,               // Téléchargement des résultats officiels...
    cancel = 33,                    // Annuler
    realResult = 34,                // Résultat
    addPrediction = 35,             // Ajouter un pronostic...
    openPrediction = 36,            // Ouvrir
    httpError = 37,                 // Le serveur a répondu par l'erreur HTTP %1.
    editorWithoutUpdate = 38,       // Vous n'aviez pas fait de mise à jour depuis l'ouverture d...
    passwordPrompt = 39,            // Mot de passe ?
    pseudoMissing = 40,             // Pseudo ???
    editorSaveFailed = 41,          // Les modifications n'ont pas pu être enregistrées dans le ...
    passwordTitle = 42,             // Mise à jour
    bannerToolTip = 43,             // Clic droit = ouvre le module. Gauche = recharge
    scoringRules = 44,              // Score exact d'un match de groupe : 3 points|Bon résultat ...
    close = 45,                     // Fermer
    printStatistics = 46,           // Imprimer les statistiques
    unsavedBeforeOpening = 47,      // Votre pronostic a changé depuis le dernier enregistrement...
    openAnswer = 48,                // Ouvrir sans enregistrer
    predictionName = 49,            // Nom du pronostic :
    replacePrediction = 50,         // Un pronostic nommé %1 est déjà gardé. Le remplacer ?
    predictionKept = 51,            // Pronostic gardé sous le nom %1.
    notAPredictionChart = 52,       // %1 n'est pas un tableau : rien n'a été gardé.
    predictionTooLarge = 53,        // %1 dépasse 1 Mio : ce n'est pas un tableau, rien n'a été ...
    predictionUnreadable = 54,      // %1 ne peut pas être lu : rien n'a été gardé.
    printCaption = 55,              // Impression
    redraw = 56,                    // Redessiner le tableau
    saveAndOpen = 57,               // Enregistrer l'image vyl.bmp et l'ouvrir
    printChart = 58,                // Imprimer le tableau
    backToProgram = 59,             // Revenir au programme
    saveAsPdfOrPng = 60,            // Enregistrer le tableau en PDF ou en PNG
    fileNotWritten = 61,            // Le fichier %1 n'a pas pu être enregistré.
    noPrinter = 62,                 // Aucune imprimante n'est installée. Voulez-vous enregistre...
    printFailed = 63,               // L'impression a échoué. Voulez-vous enregistrer un PDF à l...
    saveAsTitle = 64,               // Enregistrer sous
    ahead = 65,                     // Devant : %1
    behind = 66,                    // Derrière : %1
    pointsLine = 67,                // Points : %1 contre %2
    differenceLine = 68,            // Différence de buts : %1 contre %2
    goalsForLine = 69,              // Buts marqués : %1 contre %2
    drawOfLotsLine = 70,            // Départage par tirage au sort
    levelLine = 71,                 // Rien ne les sépare (ordre du groupe)
    qualifiedWhatever = 72,         // Qualification assurée quoi qu'il arrive
    eliminatedWhatever = 73,        // Plus aucune chance de qualification
    isEnough = 74,                  // %1 suffit
    isNotEnough = 75,               // %1 ne suffit pas
    depends = 76,                   // %1 : %2
    aWin = 77,                      // Une victoire
    aDraw = 78,                     // Un nul
    aLoss = 79,                     // Une défaite
    dependsOnTheOtherMatch = 80,    // dépend de l'autre match
    dependsOnTheOtherMatches = 81,  // dépend des autres matchs
    dependsOnGoals = 82,            // dépend des buts
    evenALossIsEnough = 83,         // Même une défaite suffit
    aLossMeansOut = 84,             // Une défaite élimine
    notAChart = 85,                 // Le fichier %1 ne contient pas de pronostic. Il est conser...
    chartTooLarge = 86,             // Le fichier %1 est trop volumineux pour être un pronostic....
    languageFileTooLarge = 87,      // Le fichier de langue %1 est trop volumineux : il n'a pas ...
    refusedCharacter = 88,          // Le caractère « %1 » ne peut pas être enregistré dans le f...
    keepFailed = 89,                // Le pronostic n'a pas pu être gardé dans %1.
    cancelled = 90,                 // Téléchargement annulé.
    redirectLoop = 96,              // Le serveur renvoie d'une adresse à l'autre sans fin.
    redirectedAway = 97,            // Le serveur renvoie vers un autre site : %1
    undecodable = 98,               // La réponse compressée du serveur est illisible.
    incomplete = 99,                // La réponse du serveur est vide ou incomplète.
    notAWholeChart = 100,           // Le serveur n'a pas envoyé de tableau complet de ce tournoi.
    noAnswer = 101,                 // Le serveur ne répond pas.
    stalled = 102,                  // Le serveur a cessé de répondre.
    tooLong = 103,                  // Le téléchargement a pris trop de temps.
    received = 104,                 // %1 Ko reçus
    unwritable = 105,               // Le fichier %1 n'a pas pu être écrit.
    wrongPassword = 106,            // Mot de passe incorrect.
    changesSaved = 107,             // Modifications enregistrées : %1
    chartSaved = 108,               // Tableau enregistré : %1
    resultsLoaded = 109,            // Résultats officiels chargés.
    server = 110,                   // Serveur : %1
    shootOutHint = 111,             // Tirs au but seulement à égalité
    openElsewhere = 112,            // Ce pronostic est déjà ouvert dans une autre fenêtre de Vy...
    poolTitle = 113,                // Concours
    poolJoin = 114,                 // Rejoindre le concours
    poolSend = 115,                 // Envoyer mon pronostic
    poolHeaders = 116,              // Pseudo|Points|Exacts|Bons résultats|Phase finale|Maximum|...
    poolJoined = 117,               // Inscrit au concours sous le pseudo %1.
    poolSent = 118,                 // Pris : %1 match(s) pronostiqué(s) ; verrouillés : %2 matc...
    poolBracket = 119,              // phase finale prise|phase finale verrouillée
    poolRefused = 120,              // Le serveur refuse : %1
    poolPseudoPrompt = 121,         // Pseudo pour le concours :
    poolCodePrompt = 122,           // Code du concours :
    poolYesNo = 123,                // oui|non
    sheetHeadings = 124,            // Groupes|1/8|1/4|1/2|Finale|Petite Finale
    sheetTitle = 125,               // Coupe du Monde|de Football %1
    computerClock = 126,            // Heure de l'ordinateur (%1)
    poolAccount = 127,              // Inscrit sous %1
    poolJoinAgain = 128,            // Vous êtes déjà inscrit sous %1 sur ce serveur. Une nouvel...
    poolWrongCode = 129,            // Le code du concours est faux.
    poolTaken = 130,                // Le pseudo %1 est déjà pris.|Tapez-en un autre :
    poolLate = 131,                 // Trop tard, match déjà commencé : %1|la phase finale
    poolRankingLink = 132,          // Classement en ligne
    poolBadPseudo = 133,            // Le pseudo doit compter 1 à 32 caractères visibles, dont u...
    poolWait = 134,                 // Trop d'essais : réessayez dans %1 s.
    groupCaption = 140,             // Groupe %1
    thirdsTitle = 141,              // Meilleurs troisièmes
    thirdsHeadings = 142,           // Gr.|Équipe|Pts|+/-|BP
    thirdsTie = 143,                // Égalité sur la ligne : cliquez sur l'équipe qui passe.
    aheadOf = 144,                  // Devant %1 : %2
    criterionNames = 145,           // points|confrontations directes|différence de buts|buts ma...
    levelWith = 146,                // À égalité avec %1 : seul un tirage au sort les départage.
    roundNames = 147,               // Seizièmes|Huitièmes|Quarts|Demies|Finale|Petite finale|Po...
    slotOrigins = 148,              // 1er du groupe %1|2e du groupe %1|3e du groupe %1 (table d...
    euroTitle = 149,                // Championnat d'Europe de Football %1
    newTournament = 150,            // Nouveau tournoi
    ownCharts = 151,                // Coupe du monde 2010|Championnat d'Europe 2028|Coupe du mo...
    changeTournamentQuestion = 152, // Votre pronostic a changé depuis le dernier enregistrement...
    chartNotStarted = 153,          // Le tableau %1 n'a pas pu être créé dans le dossier des do...
    poolOn2010 = 154,               // Le concours se joue sur la Coupe du monde 2010 : votre pr...
    otherTournamentChart = 155,     // %1 est le tableau d'un autre tournoi : rien n'a été gardé.
    myPrediction = 156,             // Mon pronostic
    teamsUnlocked = 157,            // Équipes débloquées
    roundOf32Rule = 158,            // Chaque équipe en seizièmes : 1 point
    poolNoPool = 170,               // Ce serveur n'a pas de concours.
    connectionRefused = 171,        // Le serveur refuse la connexion.
    poolWrongToken = 172,           // Ce serveur ne connaît plus votre inscription : rejoignez ...
    poolLocked = 173,               // Les pronostics de ce match restent scellés jusqu'au coup ...
    poolTooLarge = 174,             // Le fichier envoyé dépasse 1 Mo.
    poolNotStarted = 175,           // Aucun tableau n'est publié : le concours n'a pas commencé.
    poolNotAChart = 176,            // Le fichier envoyé n'est pas un tableau 2010 entier.
    serverBusy = 177,               // Le serveur est occupé : réessayez dans un instant.
    poolUnknownPlayer = 178,        // Aucun joueur ne s'appelle %1.
    paperChoice = 190,              // Format du papier
};

// Every entry: each language file sets them all.
inline constexpr std::array<Message, 157> everyMessage{
    Message::knockoutButton,
    Message::groupsButton,
    Message::drawLots,
    Message::updateQuestion,
    Message::updateTitle,
    Message::chooseYear,
    Message::noMatches,
    Message::onThisDay,
    Message::statsTitle,
    Message::goals,
    Message::goalsHeading,
    Message::rankingHeading,
    Message::groupStageExit,
    Message::saveFailed,
    Message::shootOut,
    Message::toCompact,
    Message::toNormal,
    Message::unsavedQuestion,
    Message::saveAnswer,
    Message::discardAnswer,
    Message::stayAnswer,
    Message::saved,
    Message::predictionsTitle,
    Message::rankingHeaders,
    Message::matchDayHeading,
    Message::matchDayNames,
    Message::matchHeading,
    Message::matchHeaders,
    Message::connectionFailed,
    Message::newerVersion,
    Message::downloading,
    Message::cancel,
    Message::realResult,
    Message::addPrediction,
    Message::openPrediction,
    Message::httpError,
    Message::editorWithoutUpdate,
    Message::passwordPrompt,
    Message::pseudoMissing,
    Message::editorSaveFailed,
    Message::passwordTitle,
    Message::bannerToolTip,
    Message::scoringRules,
    Message::close,
    Message::printStatistics,
    Message::unsavedBeforeOpening,
    Message::openAnswer,
    Message::predictionName,
    Message::replacePrediction,
    Message::predictionKept,
    Message::notAPredictionChart,
    Message::predictionTooLarge,
    Message::predictionUnreadable,
    Message::printCaption,
    Message::redraw,
    Message::saveAndOpen,
    Message::printChart,
    Message::backToProgram,
    Message::saveAsPdfOrPng,
    Message::fileNotWritten,
    Message::noPrinter,
    Message::printFailed,
    Message::saveAsTitle,
    Message::ahead,
    Message::behind,
    Message::pointsLine,
    Message::differenceLine,
    Message::goalsForLine,
    Message::drawOfLotsLine,
    Message::levelLine,
    Message::qualifiedWhatever,
    Message::eliminatedWhatever,
    Message::isEnough,
    Message::isNotEnough,
    Message::depends,
    Message::aWin,
    Message::aDraw,
    Message::aLoss,
    Message::dependsOnTheOtherMatch,
    Message::dependsOnTheOtherMatches,
    Message::dependsOnGoals,
    Message::evenALossIsEnough,
    Message::aLossMeansOut,
    Message::notAChart,
    Message::chartTooLarge,
    Message::languageFileTooLarge,
    Message::refusedCharacter,
    Message::keepFailed,
    Message::cancelled,
    Message::redirectLoop,
    Message::redirectedAway,
    Message::undecodable,
    Message::incomplete,
    Message::notAWholeChart,
    Message::noAnswer,
    Message::stalled,
    Message::tooLong,
    Message::received,
    Message::unwritable,
    Message::wrongPassword,
    Message::changesSaved,
    Message::chartSaved,
    Message::resultsLoaded,
    Message::server,
    Message::shootOutHint,
    Message::openElsewhere,
    Message::poolTitle,
    Message::poolJoin,
    Message::poolSend,
    Message::poolHeaders,
    Message::poolJoined,
    Message::poolSent,
    Message::poolBracket,
    Message::poolRefused,
    Message::poolPseudoPrompt,
    Message::poolCodePrompt,
    Message::poolYesNo,
    Message::sheetHeadings,
    Message::sheetTitle,
    Message::computerClock,
    Message::poolAccount,
    Message::poolJoinAgain,
    Message::poolWrongCode,
    Message::poolTaken,
    Message::poolLate,
    Message::poolRankingLink,
    Message::poolBadPseudo,
    Message::poolWait,
    Message::groupCaption,
    Message::thirdsTitle,
    Message::thirdsHeadings,
    Message::thirdsTie,
    Message::aheadOf,
    Message::criterionNames,
    Message::levelWith,
    Message::roundNames,
    Message::slotOrigins,
    Message::euroTitle,
    Message::newTournament,
    Message::ownCharts,
    Message::changeTournamentQuestion,
    Message::chartNotStarted,
    Message::poolOn2010,
    Message::otherTournamentChart,
    Message::myPrediction,
    Message::teamsUnlocked,
    Message::roundOf32Rule,
    Message::poolNoPool,
    Message::connectionRefused,
    Message::poolWrongToken,
    Message::poolLocked,
    Message::poolTooLarge,
    Message::poolNotStarted,
    Message::poolNotAChart,
    Message::serverBusy,
    Message::poolUnknownPlayer,
    Message::paperChoice,
};

// The French of an entry: what the program says while no language file
// has set it, and the text every other language is checked against.
constexpr const char16_t *frenchText(Message entry)
{
    switch (entry) {
    case Message::knockoutButton:
        return u"Phase Finale";
    case Message::groupsButton:
        return u"Phase de Groupes";
    case Message::drawLots:
        return u"Tirage au sort !";
    case Message::updateQuestion:
        return u"Voulez-vous télécharger les résultats officiels ? Ils remplaceront votre pronostic.";
    case Message::updateTitle:
        return u"Mise à jour";
    case Message::chooseYear:
        return u"Choisir l'année...";
    case Message::noMatches:
        return u"Pas de match";
    case Message::onThisDay:
        return u"ce jour-là";
    case Message::statsTitle:
        return u"Statistiques de la Coupe du Monde";
    case Message::goals:
        return u"buts";
    case Message::goalsHeading:
        return u"Meilleurs buteurs :";
    case Message::rankingHeading:
        return u"Classement :";
    case Message::groupStageExit:
        return u"1er tour";
    case Message::saveFailed:
        return u"Le pronostic n'a pas pu être enregistré dans le fichier %1.";
    case Message::shootOut:
        return u"Tirs au but";
    case Message::toCompact:
        return u"Passer en mode réduit";
    case Message::toNormal:
        return u"Passer en mode normal";
    case Message::unsavedQuestion:
        return u"Votre pronostic a changé depuis le dernier enregistrement. Voulez-vous l'enregistrer avant de quitter ?";
    case Message::saveAnswer:
        return u"Enregistrer";
    case Message::discardAnswer:
        return u"Quitter sans enregistrer";
    case Message::stayAnswer:
        return u"Annuler";
    case Message::saved:
        return u"Pronostic enregistré.";
    case Message::predictionsTitle:
        return u"Pronostics";
    case Message::rankingHeaders:
        return u"Pronostic|Points|Scores exacts|Bons résultats|Phase finale";
    case Message::matchDayHeading:
        return u"Vainqueur de chaque journée";
    case Message::matchDayNames:
        return u"Journée 1|Journée 2|Journée 3|Huitièmes|Quarts|Demies|Finale";
    case Message::matchHeading:
        return u"Les pronostics d'un match";
    case Message::matchHeaders:
        return u"Pronostic|Score|Points";
    case Message::connectionFailed:
        return u"Erreur de connexion !";
    case Message::newerVersion:
        return u"Une version plus récente existe, voulez vous la télécharger ?";
    case Message::downloading:
        return u"Téléchargement des résultats officiels...";
    case Message::cancel:
        return u"Annuler";
    case Message::realResult:
        return u"Résultat";
    case Message::addPrediction:
        return u"Ajouter un pronostic...";
    case Message::openPrediction:
        return u"Ouvrir";
    case Message::httpError:
        return u"Le serveur a répondu par l'erreur HTTP %1.";
    case Message::editorWithoutUpdate:
        return u"Vous n'aviez pas fait de mise à jour depuis l'ouverture du programme, Etes vous sur ?";
    case Message::passwordPrompt:
        return u"Mot de passe ?";
    case Message::pseudoMissing:
        return u"Pseudo ???";
    case Message::editorSaveFailed:
        return u"Les modifications n'ont pas pu être enregistrées dans le fichier %1.";
    case Message::passwordTitle:
        return u"Mise à jour";
    case Message::bannerToolTip:
        return u"Clic droit = ouvre le module. Gauche = recharge";
    case Message::scoringRules:
        return u"Score exact d'un match de groupe : 3 points|Bon résultat (victoire, nul, défaite) : 1 point|Chaque équipe en huitièmes : 1 point, en quarts : 2, en demies : 3, en finale : 4|Le champion : 5 points|Rien pour un match pas encore joué. Maximum : 201 points";
    case Message::close:
        return u"Fermer";
    case Message::printStatistics:
        return u"Imprimer les statistiques";
    case Message::unsavedBeforeOpening:
        return u"Votre pronostic a changé depuis le dernier enregistrement. Voulez-vous l'enregistrer avant d'ouvrir %1 ?";
    case Message::openAnswer:
        return u"Ouvrir sans enregistrer";
    case Message::predictionName:
        return u"Nom du pronostic :";
    case Message::replacePrediction:
        return u"Un pronostic nommé %1 est déjà gardé. Le remplacer ?";
    case Message::predictionKept:
        return u"Pronostic gardé sous le nom %1.";
    case Message::notAPredictionChart:
        return u"%1 n'est pas un tableau : rien n'a été gardé.";
    case Message::predictionTooLarge:
        return u"%1 dépasse 1 Mio : ce n'est pas un tableau, rien n'a été gardé.";
    case Message::predictionUnreadable:
        return u"%1 ne peut pas être lu : rien n'a été gardé.";
    case Message::printCaption:
        return u"Impression";
    case Message::redraw:
        return u"Redessiner le tableau";
    case Message::saveAndOpen:
        return u"Enregistrer l'image vyl.bmp et l'ouvrir";
    case Message::printChart:
        return u"Imprimer le tableau";
    case Message::backToProgram:
        return u"Revenir au programme";
    case Message::saveAsPdfOrPng:
        return u"Enregistrer le tableau en PDF ou en PNG";
    case Message::fileNotWritten:
        return u"Le fichier %1 n'a pas pu être enregistré.";
    case Message::noPrinter:
        return u"Aucune imprimante n'est installée. Voulez-vous enregistrer un PDF à la place ?";
    case Message::printFailed:
        return u"L'impression a échoué. Voulez-vous enregistrer un PDF à la place ?";
    case Message::saveAsTitle:
        return u"Enregistrer sous";
    case Message::ahead:
        return u"Devant : %1";
    case Message::behind:
        return u"Derrière : %1";
    case Message::pointsLine:
        return u"Points : %1 contre %2";
    case Message::differenceLine:
        return u"Différence de buts : %1 contre %2";
    case Message::goalsForLine:
        return u"Buts marqués : %1 contre %2";
    case Message::drawOfLotsLine:
        return u"Départage par tirage au sort";
    case Message::levelLine:
        return u"Rien ne les sépare (ordre du groupe)";
    case Message::qualifiedWhatever:
        return u"Qualification assurée quoi qu'il arrive";
    case Message::eliminatedWhatever:
        return u"Plus aucune chance de qualification";
    case Message::isEnough:
        return u"%1 suffit";
    case Message::isNotEnough:
        return u"%1 ne suffit pas";
    case Message::depends:
        return u"%1 : %2";
    case Message::aWin:
        return u"Une victoire";
    case Message::aDraw:
        return u"Un nul";
    case Message::aLoss:
        return u"Une défaite";
    case Message::dependsOnTheOtherMatch:
        return u"dépend de l'autre match";
    case Message::dependsOnTheOtherMatches:
        return u"dépend des autres matchs";
    case Message::dependsOnGoals:
        return u"dépend des buts";
    case Message::evenALossIsEnough:
        return u"Même une défaite suffit";
    case Message::aLossMeansOut:
        return u"Une défaite élimine";
    case Message::notAChart:
        return u"Le fichier %1 ne contient pas de pronostic. Il est conservé sous le nom %2 et une grille vide est affichée.";
    case Message::chartTooLarge:
        return u"Le fichier %1 est trop volumineux pour être un pronostic. Il n'a pas été chargé et aucun enregistrement ne l'écrasera.";
    case Message::languageFileTooLarge:
        return u"Le fichier de langue %1 est trop volumineux : il n'a pas été appliqué.";
    case Message::refusedCharacter:
        return u"Le caractère « %1 » ne peut pas être enregistré dans le fichier du pronostic.";
    case Message::keepFailed:
        return u"Le pronostic n'a pas pu être gardé dans %1.";
    case Message::cancelled:
        return u"Téléchargement annulé.";
    case Message::redirectLoop:
        return u"Le serveur renvoie d'une adresse à l'autre sans fin.";
    case Message::redirectedAway:
        return u"Le serveur renvoie vers un autre site : %1";
    case Message::undecodable:
        return u"La réponse compressée du serveur est illisible.";
    case Message::incomplete:
        return u"La réponse du serveur est vide ou incomplète.";
    case Message::notAWholeChart:
        return u"Le serveur n'a pas envoyé de tableau complet de ce tournoi.";
    case Message::noAnswer:
        return u"Le serveur ne répond pas.";
    case Message::stalled:
        return u"Le serveur a cessé de répondre.";
    case Message::tooLong:
        return u"Le téléchargement a pris trop de temps.";
    case Message::received:
        return u"%1 Ko reçus";
    case Message::unwritable:
        return u"Le fichier %1 n'a pas pu être écrit.";
    case Message::wrongPassword:
        return u"Mot de passe incorrect.";
    case Message::changesSaved:
        return u"Modifications enregistrées : %1";
    case Message::chartSaved:
        return u"Tableau enregistré : %1";
    case Message::resultsLoaded:
        return u"Résultats officiels chargés.";
    case Message::server:
        return u"Serveur : %1";
    case Message::shootOutHint:
        return u"Tirs au but seulement à égalité";
    case Message::openElsewhere:
        return u"Ce pronostic est déjà ouvert dans une autre fenêtre de Vylora 2010 : elle passe au premier plan.";
    case Message::poolTitle:
        return u"Concours";
    case Message::poolJoin:
        return u"Rejoindre le concours";
    case Message::poolSend:
        return u"Envoyer mon pronostic";
    case Message::poolHeaders:
        return u"Pseudo|Points|Exacts|Bons résultats|Phase finale|Maximum|Peut gagner";
    case Message::poolJoined:
        return u"Inscrit au concours sous le pseudo %1.";
    case Message::poolSent:
        return u"Pris : %1 match(s) pronostiqué(s) ; verrouillés : %2 match(s) ; %3.";
    case Message::poolBracket:
        return u"phase finale prise|phase finale verrouillée";
    case Message::poolRefused:
        return u"Le serveur refuse : %1";
    case Message::poolPseudoPrompt:
        return u"Pseudo pour le concours :";
    case Message::poolCodePrompt:
        return u"Code du concours :";
    case Message::poolYesNo:
        return u"oui|non";
    case Message::sheetHeadings:
        return u"Groupes|1/8|1/4|1/2|Finale|Petite Finale";
    case Message::sheetTitle:
        return u"Coupe du Monde|de Football %1";
    case Message::computerClock:
        return u"Heure de l'ordinateur (%1)";
    case Message::poolAccount:
        return u"Inscrit sous %1";
    case Message::poolJoinAgain:
        return u"Vous êtes déjà inscrit sous %1 sur ce serveur. Une nouvelle inscription laisse l'ancienne telle qu'elle est : ce programme ne pourra plus y envoyer de pronostic. S'inscrire sous un autre pseudo ?";
    case Message::poolWrongCode:
        return u"Le code du concours est faux.";
    case Message::poolTaken:
        return u"Le pseudo %1 est déjà pris.|Tapez-en un autre :";
    case Message::poolLate:
        return u"Trop tard, match déjà commencé : %1|la phase finale";
    case Message::poolRankingLink:
        return u"Classement en ligne";
    case Message::poolBadPseudo:
        return u"Le pseudo doit compter 1 à 32 caractères visibles, dont une lettre ou un chiffre.";
    case Message::poolWait:
        return u"Trop d'essais : réessayez dans %1 s.";
    case Message::groupCaption:
        return u"Groupe %1";
    case Message::thirdsTitle:
        return u"Meilleurs troisièmes";
    case Message::thirdsHeadings:
        return u"Gr.|Équipe|Pts|+/-|BP";
    case Message::thirdsTie:
        return u"Égalité sur la ligne : cliquez sur l'équipe qui passe.";
    case Message::aheadOf:
        return u"Devant %1 : %2";
    case Message::criterionNames:
        return u"points|confrontations directes|différence de buts|buts marqués|victoires|tirs au but|fair-play|tirage au sort";
    case Message::levelWith:
        return u"À égalité avec %1 : seul un tirage au sort les départage.";
    case Message::roundNames:
        return u"Seizièmes|Huitièmes|Quarts|Demies|Finale|Petite finale|Podium";
    case Message::slotOrigins:
        return u"1er du groupe %1|2e du groupe %1|3e du groupe %1 (table des troisièmes)|3e de l'un des groupes %1|Vainqueur du match %1|Perdant du match %1";
    case Message::euroTitle:
        return u"Championnat d'Europe de Football %1";
    case Message::newTournament:
        return u"Nouveau tournoi";
    case Message::ownCharts:
        return u"Coupe du monde 2010|Championnat d'Europe 2028|Coupe du monde 2030";
    case Message::changeTournamentQuestion:
        return u"Votre pronostic a changé depuis le dernier enregistrement. Voulez-vous l'enregistrer avant de changer de tournoi ?";
    case Message::chartNotStarted:
        return u"Le tableau %1 n'a pas pu être créé dans le dossier des données.";
    case Message::poolOn2010:
        return u"Le concours se joue sur la Coupe du monde 2010 : votre pronostic 2010 est envoyé.";
    case Message::otherTournamentChart:
        return u"%1 est le tableau d'un autre tournoi : rien n'a été gardé.";
    case Message::myPrediction:
        return u"Mon pronostic";
    case Message::teamsUnlocked:
        return u"Équipes débloquées";
    case Message::roundOf32Rule:
        return u"Chaque équipe en seizièmes : 1 point";
    case Message::poolNoPool:
        return u"Ce serveur n'a pas de concours.";
    case Message::connectionRefused:
        return u"Le serveur refuse la connexion.";
    case Message::poolWrongToken:
        return u"Ce serveur ne connaît plus votre inscription : rejoignez le concours à nouveau.";
    case Message::poolLocked:
        return u"Les pronostics de ce match restent scellés jusqu'au coup d'envoi.";
    case Message::poolTooLarge:
        return u"Le fichier envoyé dépasse 1 Mo.";
    case Message::poolNotStarted:
        return u"Aucun tableau n'est publié : le concours n'a pas commencé.";
    case Message::poolNotAChart:
        return u"Le fichier envoyé n'est pas un tableau 2010 entier.";
    case Message::serverBusy:
        return u"Le serveur est occupé : réessayez dans un instant.";
    case Message::poolUnknownPlayer:
        return u"Aucun joueur ne s'appelle %1.";
    case Message::paperChoice:
        return u"Format du papier";
    }
    return u"";
}
