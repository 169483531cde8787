#include "app/MAIN.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/Info.h"
#include "app/editorseiten.h"
#include "app/fortschritt.h"
#include "app/hilfe.h"
#include "app/hinweis.h"
#include "qtadapter/qttext.h"

namespace velmora {

TMainForm::TMainForm(Meldungen& meldungen, DateiDialoge& dialoge, QWidget* eltern)
    : QMainWindow(eltern), steuerung_(*this, meldungen, dialoge, *this, *this) {
  setWindowTitle(QStringLiteral("Velmora") + QString(10, QLatin1Char(' ')) + QStringLiteral("V.1.1. "));
  BaueMenue();
  BaueWerkzeugleiste();
  BaueFlaeche();
  BaueStatusleiste();
  fortschritt_ = new Tfortschrittdlg(this);
  info_ = new TProgInfoForm(this);
  hilfe_ = new THilfeFenster("KURZBEDIENUNGSANLEITUNG.HLP", this);
  resize(1150, 780);
}

TMainForm::~TMainForm() = default;

void TMainForm::BaueFlaeche() {
  auto* mitte = new QWidget(this);
  auto* zeile = new QHBoxLayout(mitte);

  auto* links = new QVBoxLayout;
  links->addWidget(new QLabel(U("Schüler-Liste"), mitte));
  liste_ = new QListWidget(mitte);
  liste_->setMinimumWidth(230);
  links->addWidget(liste_, 1);
  auto* navigation = new QHBoxLayout;
  QPushButton* erster = NeuerKnopf(U("| <"), U("zum ersten Schüler"));
  QPushButton* voriger = NeuerKnopf(U("<"), U("zum vorigen Schüler"));
  QPushButton* naechster = NeuerKnopf(U(">"), U("zum nächsten Schüler"));
  QPushButton* letzter = NeuerKnopf(U("> |"), U("zum letzten Schüler"));
  for (QPushButton* k : {erster, voriger, naechster, letzter}) navigation->addWidget(k);
  links->addLayout(navigation);
  zeile->addLayout(links);

  editor_ = new TEditorSeiten(mitte);
  zeile->addWidget(editor_, 1);

  auto* arbeit = new QGroupBox(U("Arbeits-Funktionen"), mitte);
  auto* rechts = new QVBoxLayout(arbeit);
  QPushButton* bewLoeschen = NeuerKnopf(U("Bewertungen löschen"), U("alle Bewertungen des Schülers löschen"));
  QPushButton* texteLoeschen =
      NeuerKnopf(U("Zeugnistexte löschen"), U("Zeugnistexte und Fehlzeiten des Schülers löschen"));
  QPushButton* uebernehmen =
      NeuerKnopf(U("aktuelle Daten übernehmen"), U("die Eingaben in den Schülerdatensatz übernehmen"));
  QPushButton* pruefen =
      NeuerKnopf(U("Daten (für Zeugnis) prüfen"), U("die Zeugnisdaten des Schülers prüfen"));
  QPushButton* zeugnis = NeuerKnopf(U("Zeugnis drucken"), U("das Zeugnis des Schülers drucken"));
  for (QPushButton* k : {bewLoeschen, texteLoeschen, uebernehmen, pruefen, zeugnis}) rechts->addWidget(k);
  rechts->addStretch();
  zeile->addWidget(arbeit);
  setCentralWidget(mitte);

  connect(liste_, &QListWidget::currentRowChanged, this, [this](int z) {
    if (!listeWirdGefuellt_ && gestartet_) steuerung_.ListeKlick(z);
  });
  connect(liste_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { steuerung_.ListeKlick(liste_->row(item)); });
  connect(editor_, &QTabWidget::currentChanged, this, [this] {
    if (gestartet_) steuerung_.TabWechsel();
  });
  connect(erster, &QPushButton::clicked, this, [this] { steuerung_.ZumErsten(); });
  connect(voriger, &QPushButton::clicked, this, [this] { steuerung_.ZumVorigen(); });
  connect(naechster, &QPushButton::clicked, this, [this] { steuerung_.ZumNaechsten(); });
  connect(letzter, &QPushButton::clicked, this, [this] { steuerung_.ZumLetzten(); });
  connect(uebernehmen, &QPushButton::clicked, this, [this] { steuerung_.AktuelleDatenUebernehmen(); });
  // "Bewertungen löschen", "Zeugnistexte löschen", "Daten (für Zeugnis) prüfen", "Zeugnis drucken"
  // and the buttons "allen zuweisen" are wired with their commands.
}

void TMainForm::BaueStatusleiste() {
  const int breiten[3] = {450, 150, 100};
  for (int i = 0; i < 3; ++i) {
    auto* feld = new QLabel(this);
    feld->setFixedWidth(breiten[i]);
    feld->setFrameShape(QFrame::StyledPanel);
    status_[static_cast<std::size_t>(i)] = feld;
    statusBar()->addWidget(feld);
  }
  status_[1]->setText(U("aktuelle Datei"));
}

QPushButton* TMainForm::NeuerKnopf(const QString& beschriftung, const QString& hinweis) {
  auto* knopf = new QPushButton(beschriftung, this);
  knopf->setProperty("velmoraHinweis", hinweis);
  knopf->setToolTip(Q(KurzerHinweis(K(hinweis))));
  knopf->installEventFilter(this);
  return knopf;
}

QPushButton* TMainForm::Knopf(const QString& beschriftung) const {
  for (QPushButton* k : findChildren<QPushButton*>()) {
    if (k->text() == beschriftung) return k;
  }
  return nullptr;
}

void TMainForm::ZeigeLangenHinweis(const QString& hinweis) {
  if (hinweiseAktiv_) status_[0]->setText(Q(LangerHinweis(K(hinweis))));
}

bool TMainForm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() == QEvent::Enter) {
    QVariant hinweis = objekt->property("velmoraHinweis");
    if (hinweis.isValid()) ZeigeLangenHinweis(hinweis.toString());
  } else if (ereignis->type() == QEvent::Leave && objekt->property("velmoraHinweis").isValid()) {
    ZeigeLangenHinweis(QString());
  }
  return QMainWindow::eventFilter(objekt, ereignis);
}

void TMainForm::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (gestartet_) return;
  steuerung_.Start();
  gestartet_ = true;
  hinweiseAktiv_ = true;
}

void TMainForm::closeEvent(QCloseEvent* e) {
  if (beendenBestaetigt_ || steuerung_.Beenden()) {
    beendenBestaetigt_ = true;
    fortschritt_->close();
    info_->close();
    hilfe_->close();
    e->accept();
  } else {
    e->ignore();
  }
}

// ---- HauptAnsicht ----

EditorInhalt TMainForm::LiesEditor() { return editor_->Lies(); }

void TMainForm::ZeigeEditor(const EditorInhalt& inhalt) { editor_->Zeige(inhalt); }

void TMainForm::ZeigeListe(const std::vector<std::string>& zeilen, int auswahl) {
  listeWirdGefuellt_ = true;
  liste_->clear();
  for (const auto& z : zeilen) liste_->addItem(Q(z));
  liste_->setCurrentRow(auswahl);
  listeWirdGefuellt_ = false;
}

void TMainForm::WaehleListenZeile(int zeile) {
  listeWirdGefuellt_ = true;
  liste_->setCurrentRow(zeile);
  listeWirdGefuellt_ = false;
}

void TMainForm::ZeigeAenderung(bool geaendert) { aenderungAktion_->setVisible(geaendert); }

void TMainForm::ZeigeDateiname(const std::string& name) { status_[1]->setText(Q(name)); }

void TMainForm::ZeigeKurzname(const std::string& name) { status_[2]->setText(Q(name)); }

void TMainForm::SetzeSchulFaecher(const TSchulFaecherListe& liste) {
  QStringList faecher;
  for (const auto& f : liste) faecher << Q(f);
  editor_->SetzeFaecher(faecher);
}

void TMainForm::LeereZeugnistextfelder() { editor_->LeereZeugnistexte(); }

void TMainForm::FokusAufNummer() {
  editor_->setCurrentIndex(TEditorSeiten::Personendaten);
  editor_->NummerFeld()->setFocus();
}

void TMainForm::ZeigeSpeicherFortschritt() { fortschritt_->Zeige(); }

void TMainForm::ZeigeVorlagenAuswahl() {
  // The template selection window joins here; until then the current template is used.
}

// ---- commands ----

void TMainForm::FileNew() { steuerung_.Neu(); }
void TMainForm::FileOpen() { steuerung_.Oeffnen(); }
void TMainForm::FileSave() { steuerung_.Speichern(); }
void TMainForm::FileSaveAs() { steuerung_.SpeichernUnter(); }
void TMainForm::Beenden1Click() { close(); }
void TMainForm::Ausschneiden1Click() { steuerung_.Ausschneiden(); }
void TMainForm::Kopieren1Click() { steuerung_.Kopieren(); }
void TMainForm::Einfuegen1Click() { steuerung_.Einfuegen(); }
void TMainForm::NichtVerfuegbar() { steuerung_.NichtVerfuegbar(); }
void TMainForm::HilfeInhalt() { hilfe_->ZeigeInhalt(); }
void TMainForm::HilfeSuche() { hilfe_->ZeigeSuche(QString()); }
void TMainForm::HilfeVerwenden() { hilfe_->ZeigeHilfeVerwenden(); }
void TMainForm::Info1Click() {
  info_->show();
  info_->raise();
}

}  // namespace velmora
