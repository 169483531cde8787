#include "app/fenster/formularzeilen.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

#include "app/fenster/editorseiten.h"
#include "basis/fenster/textwandlung.h"
#include "reports/velmoallgdrk.h"

namespace velmora {

TFormularZeilen::TFormularZeilen(TEditorSeiten& editor, const DruckKontext& kontext, QWidget* fenster)
    : QObject(fenster), editor_(editor), kontext_(kontext), pruefer_(kontext) {
  normal_ = editor_.HinweiseZeilen().palette();
  rot_ = normal_;
  rot_.setColor(QPalette::WindowText, QColor(200, 0, 0));
  connect(&editor_.HinweiseFeld(), &QPlainTextEdit::textChanged, this, &TFormularZeilen::Vormerken);
  connect(&editor_.BemerkungenFeld(), &QPlainTextEdit::textChanged, this, &TFormularZeilen::Vormerken);
  fenster->installEventFilter(this);
}

bool TFormularZeilen::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() == QEvent::WindowActivate) Vormerken();
  return QObject::eventFilter(objekt, ereignis);
}

void TFormularZeilen::Vormerken() {
  if (vorgemerkt_) return;
  vorgemerkt_ = true;
  QTimer::singleShot(0, this, [this] {
    vorgemerkt_ = false;
    Aktualisiere();
  });
}

void TFormularZeilen::Aktualisiere() {
  const std::optional<Formularplatz> platz =
      pruefer_.Pruefe(kontext_.Aktuell(), KMehrzeilig(editor_.HinweiseFeld().toPlainText()),
                      KMehrzeilig(editor_.BemerkungenFeld().toPlainText()));
  if (platz && !platz->lesefehler.empty()) {
    // The table cannot be read: said once, under the first box.
    editor_.HinweiseZeilen().setText(Q(platz->lesefehler));
    editor_.HinweiseZeilen().setPalette(rot_);
    editor_.BemerkungenZeilen().clear();
    return;
  }
  Zeige(editor_.HinweiseZeilen(), platz ? platz->Block(kEintragHinweise) : nullptr);
  Zeige(editor_.BemerkungenZeilen(), platz ? platz->Block(kEintragBemerkungen) : nullptr);
}

void TFormularZeilen::Zeige(QLabel& label, const BlockPlatz* block) {
  if (!block) {
    label.clear();
    label.setPalette(normal_);
    return;
  }
  label.setText(Q(ZeilenAngabe(*block)));
  label.setPalette(block->Passt() ? normal_ : rot_);
}

}  // namespace velmora
