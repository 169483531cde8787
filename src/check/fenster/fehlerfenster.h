#pragma once
// TFehlerfenster: the modal window "Datenprüfung für Zeugnis" that runs the three tests of
// the data check on the stored record of the current student.
#include <QDialog>

#include "check/fehlertest.h"

class QLineEdit;
class QPushButton;
class QTextEdit;

namespace velmora {

class TFehlerfenster : public QDialog {
  Q_OBJECT
 public:
  explicit TFehlerfenster(QWidget* eltern = nullptr);

  // Resets the window for this record and publisher and shows it modally.
  void Zeige(const TSchuelerDatensatz& satz, int verlag);
  // The reset of Zeige without showing the window.
  void Vorbereiten(const TSchuelerDatensatz& satz, int verlag);

  QLineEdit& Namensfeld() { return *name_; }
  QTextEdit& Protokoll() { return *protokoll_; }
  QLineEdit& Zustandsfeld() { return *zustand_; }
  QPushButton& StartKnopf() { return *start_; }
  QPushButton& BeendenKnopf() { return *beenden_; }

 private:
  void TestStartenClick();
  void SetzeZustand(const FarbText& t);
  void HaengeAn(const FarbText& zeile);

  TSchuelerDatensatz satz_;
  int verlag_ = 0;
  QLineEdit* name_;
  QPushButton* start_;
  QTextEdit* protokoll_;
  QLineEdit* zustand_;
  QPushButton* beenden_;
};

}  // namespace velmora
