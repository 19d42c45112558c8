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
    notA2010Chart = 52,             // %1 n'est pas un tableau de 2010 : rien n'a été gardé.
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
    notAWholeChart = 100,           // Le serveur n'a pas envoyé de tableau 2010 complet.
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
    paperChoice = 190,              // Format du papier
};

// Every entry: each language file sets them all.
inline constexpr std::array<Message, 144> everyMessage{
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
    Message::notA2010Chart,
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
    Message::paperChoice,
};
