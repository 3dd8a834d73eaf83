; The installer's own texts in English, the language of users whose Windows speaks none of the
; others. Each language file sets the same names, with the same $-placeholders.
LangString WELCOME_TEXT ${LANG_ENGLISH} "Lumivo gives you a default printer per network.$\r$\n$\r$\nIt is installed for you alone and needs no administrator rights. Windows will start it each time you log on.$\r$\n$\r$\nClick Next to continue."
LangString FINISH_RUN_TEXT ${LANG_ENGLISH} "Open Lumivo Console to pair networks with printers"
LangString SHORTCUT_DESCRIPTION ${LANG_ENGLISH} "Pair networks with printers"
LangString REMOVE_SETTINGS_QUESTION ${LANG_ENGLISH} "Also remove your Lumivo settings (your networks, printers and options)?$\r$\n$\r$\nChoose No to keep them for a later installation."
