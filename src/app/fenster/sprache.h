#pragma once
// German in Qt's own parts of the program: the standard dialogs (files, printing, preview),
// the standard buttons and the context menus of the edit fields.
class QCoreApplication;

namespace velmora {

// Loads Qt's German translation "qtbase_de" (from Qt's translation folder, or from a folder
// "translations" beside the program as a Windows installation has it) and makes German the
// default locale. Returns false when no translation was found; the program then runs with
// Qt's English texts in those dialogs.
bool SprecheDeutsch(QCoreApplication& app);

}  // namespace velmora
