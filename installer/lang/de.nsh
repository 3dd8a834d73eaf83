; The installer's own texts in German.
LangString WELCOME_TEXT ${LANG_GERMAN} "Lumivo gibt Ihnen einen Standarddrucker je Netzwerk.$\r$\n$\r$\nEs wird nur für Sie installiert und braucht keine Administratorrechte. Windows startet es bei jeder Anmeldung.$\r$\n$\r$\nKlicken Sie auf Weiter, um fortzufahren."
LangString FINISH_RUN_TEXT ${LANG_GERMAN} "Lumivo Console öffnen, um Netzwerken Drucker zuzuordnen"
LangString SHORTCUT_DESCRIPTION ${LANG_GERMAN} "Netzwerken Drucker zuordnen"
LangString REMOVE_SETTINGS_QUESTION ${LANG_GERMAN} "Auch Ihre Lumivo-Einstellungen (Ihre Netzwerke, Drucker und Optionen) entfernen?$\r$\n$\r$\nWählen Sie Nein, um sie für eine spätere Installation zu behalten."
