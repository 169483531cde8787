// Program entry: the application, the ports and the main window.
#include <QApplication>

#include "app/fenster/MAIN.h"
#include "qtadapter/qtdateidialoge.h"
#include "qtadapter/qtmeldungen.h"
#include "qtadapter/qtsprache.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(velmora::AnwendungsTitel());
  velmora::SprecheDeutsch(app);
  velmora::QtMeldungen meldungen;
  velmora::QtDateiDialoge dialoge;
  velmora::TMainForm fenster(meldungen, dialoge);
  meldungen.SetzeEltern(&fenster);
  dialoge.SetzeEltern(&fenster);
  fenster.show();
  return app.exec();
}
