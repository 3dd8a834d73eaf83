; The installer's own texts in Spanish.
LangString WELCOME_TEXT ${LANG_SPANISH} "Lumivo le da una impresora predeterminada para cada red.$\r$\n$\r$\nSe instala solo para usted y no necesita derechos de administrador. Windows lo iniciará cada vez que inicie sesión.$\r$\n$\r$\nHaga clic en Siguiente para continuar."
LangString FINISH_RUN_TEXT ${LANG_SPANISH} "Abrir Lumivo Console para asociar redes e impresoras"
LangString SHORTCUT_DESCRIPTION ${LANG_SPANISH} "Asociar redes e impresoras"
LangString REMOVE_SETTINGS_QUESTION ${LANG_SPANISH} "¿Quitar también su configuración de Lumivo (sus redes, impresoras y opciones)?$\r$\n$\r$\nElija No para conservarla para una instalación posterior."
