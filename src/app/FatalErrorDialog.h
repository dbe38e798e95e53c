#pragma once

#include <QString>

// The desktop face of a fatal start-up error: a started-from-the-launcher app has no terminal,
// so the line fatalError writes to standard error is also shown in a dialog before the process
// stops. Main thread; needs the QApplication.
namespace FatalErrorDialog {

// Whether a user can see and close a dialog: a widget application on a platform with a screen
// (not "offscreen" or "minimal", where a dialog would only hang the process).
bool canPresent();

// Shows `line` in a modal critical dialog ("app.fatal.title", "app.fatal.message" and the line
// itself) and returns when the user closes it.
void present(const QString &line);

// Makes fatalError() present its line when canPresent(); otherwise leaves it as it is.
void install();

} // namespace FatalErrorDialog
