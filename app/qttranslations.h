#pragma once

class QCoreApplication;
class QTranslator;

namespace tablicznik {

// Qt's own texts in Polish: the buttons, menus and dialogs that Qt itself
// provides (the print dialog, a text's context menu, a message box's
// buttons). Reads qtbase_pl.qm from Qt's translations folder, where Debian's
// qt6-translations-l10n puts it, and installs it in the application, which
// owns it; with it the program's own Polish for the few print-dialog texts
// that catalogue leaves in English. Deleting the returned translator takes
// both out again. Without the file Qt's texts stay English and nothing is
// installed (null).
QTranslator *installQtTranslations(QCoreApplication &app);

} // namespace tablicznik
