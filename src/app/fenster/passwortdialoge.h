#pragma once
// The password windows behind the ports through which the logic asks for passwords.
#include "classdata/verschluesselung.h"
#include "settings/programmeinstellungen.h"

namespace velmora {

class TDatPasswDlg;
class TDatPwdAendDlg;
class TPasswordDlg;
class Tpwaendern;

class QtPasswortDialoge : public DatenPasswortDialoge, public KonfigPasswortDialoge {
 public:
  QtPasswortDialoge(TDatPasswDlg* abfrage, TDatPwdAendDlg* festlegung, TPasswordDlg* konfigAbfrage,
                    Tpwaendern* konfigAendern)
      : abfrage_(abfrage), festlegung_(festlegung), konfigAbfrage_(konfigAbfrage), konfigAendern_(konfigAendern) {}

  bool ZeigePasswortAbfrage() override;
  bool ZeigePasswortFestlegung() override;
  bool ZeigePasswortDlg() override;
  bool ZeigePwAendern() override;

 private:
  TDatPasswDlg* abfrage_;
  TDatPwdAendDlg* festlegung_;
  TPasswordDlg* konfigAbfrage_;
  Tpwaendern* konfigAendern_;
};

}  // namespace velmora
