#pragma once

#include <QString>

class QWidget;

namespace tablicznik {

struct ElementRecord;

// What a screen reader says for an element button: "Żelazo (Fe), 26".
QString spokenElementName(const ElementRecord &record);

// Gives every control of `root` (the window and all its descendants) that a
// screen reader would find nameless a name: its caption, or lacking one its
// hint, with line breaks read as blanks. A caption with blanks around it
// is named without them. Names given before are kept.
void nameControls(QWidget *root);

// A hint as one line: "Koloruje pierwiastki według:\npromienia atomu." ->
// "Koloruje pierwiastki według: promienia atomu."
QString spokenHint(const QString &hint);

} // namespace tablicznik
