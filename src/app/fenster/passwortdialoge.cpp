#include "app/fenster/passwortdialoge.h"

#include "classdata/fenster/datpwaend.h"
#include "classdata/fenster/datpwdlg.h"
#include "settings/fenster/passwort.h"
#include "settings/fenster/pwaend.h"

namespace velmora {

bool QtPasswortDialoge::ZeigePasswortAbfrage() { return abfrage_->exec() == QDialog::Accepted; }
bool QtPasswortDialoge::ZeigePasswortFestlegung() { return festlegung_->exec() == QDialog::Accepted; }
bool QtPasswortDialoge::ZeigePasswortDlg() { return konfigAbfrage_->exec() == QDialog::Accepted; }
bool QtPasswortDialoge::ZeigePwAendern() { return konfigAendern_->exec() == QDialog::Accepted; }

}  // namespace velmora
