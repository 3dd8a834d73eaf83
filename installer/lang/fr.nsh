; The installer's own texts in French.
LangString WELCOME_TEXT ${LANG_FRENCH} "Lumivo vous donne une imprimante par défaut pour chaque réseau.$\r$\n$\r$\nIl est installé pour vous seul et ne demande pas de droits d'administrateur. Windows le démarre à chaque ouverture de session.$\r$\n$\r$\nCliquez sur Suivant pour continuer."
LangString FINISH_RUN_TEXT ${LANG_FRENCH} "Ouvrir Lumivo Console pour associer réseaux et imprimantes"
LangString SHORTCUT_DESCRIPTION ${LANG_FRENCH} "Associer réseaux et imprimantes"
LangString REMOVE_SETTINGS_QUESTION ${LANG_FRENCH} "Supprimer aussi vos paramètres Lumivo (vos réseaux, imprimantes et options) ?$\r$\n$\r$\nChoisissez Non pour les garder pour une installation ultérieure."
