# The languages the program ships catalogues for, as gettext names them (Qt's .ts files use the
# same names).
set(FERROVANE_LANGUAGES de fr es it pt_BR pl ru zh_CN ja)
# The languages whose catalogues are complete (the catalogues test keeps them so).
set(FERROVANE_COMPLETE_LANGUAGES de fr es it pt_BR pl ru zh_CN ja)
