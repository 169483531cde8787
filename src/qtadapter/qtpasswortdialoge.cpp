#include "qtadapter/qtpasswortdialoge.h"

#include "classdata/datpwaend.h"
#include "classdata/datpwdlg.h"
#include "settings/passwort.h"
#include "settings/pwaend.h"

namespace velmora {

bool QtPasswortDialoge::ZeigePasswortAbfrage() { return abfrage_->exec() == QDialog::Accepted; }
bool QtPasswortDialoge::ZeigePasswortFestlegung() { return festlegung_->exec() == QDialog::Accepted; }
bool QtPasswortDialoge::ZeigePasswortDlg() { return konfigAbfrage_->exec() == QDialog::Accepted; }
bool QtPasswortDialoge::ZeigePwAendern() { return konfigAendern_->exec() == QDialog::Accepted; }

}  // namespace velmora
