#include "qtadapter/qtarchivpdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdlib>

#include "basis/eafehler.h"
#include "basis/fenster/textwandlung.h"
#include "basis/meldungen.h"
#include "basis/version.h"
#include "print/pdfdatei.h"
#include "qtadapter/qtdruckflaeche.h"

namespace velmora {

// The surface shows nothing of an archive copy in a box: what goes wrong reaches the caller
// as PdfFehler.
class QtArchivPdf::Stumm : public Meldungen {
 public:
  Antwort Zeige(MeldungsArt, const std::string&, Knoepfe, const std::string&) override { return Antwort::Ok; }
};

namespace {

// The offset from UTC as XMP writes it: "Z", or "+01:00".
QString Zeitzone(const QDateTime& zeit) {
  const int sekunden = zeit.offsetFromUtc();
  if (sekunden == 0) return QStringLiteral("Z");
  const int minuten = std::abs(sekunden) / 60;
  return QStringLiteral("%1%2:%3")
      .arg(sekunden < 0 ? QLatin1Char('-') : QLatin1Char('+'))
      .arg(minuten / 60, 2, 10, QLatin1Char('0'))
      .arg(minuten % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

QByteArray ArchivXmp(const QString& titel, const QString& autor, const QString& werkzeug, const QDateTime& zeit) {
  const QString datum = zeit.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + Zeitzone(zeit);
  const QString produzent = QStringLiteral("Qt ") + QString::fromLatin1(qVersion());
  return QStringLiteral(
             "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
             "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
             "  <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
             "    <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
             "      <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
             "      <dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
             "    </rdf:Description>\n"
             "    <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
             "      <xmp:CreatorTool>%3</xmp:CreatorTool>\n"
             "      <xmp:CreateDate>%4</xmp:CreateDate>\n"
             "      <xmp:ModifyDate>%4</xmp:ModifyDate>\n"
             "    </rdf:Description>\n"
             "    <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
             "      <pdf:Producer>%5</pdf:Producer>\n"
             "    </rdf:Description>\n"
             "    <rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
             "      <pdfaid:part>1</pdfaid:part>\n"
             "      <pdfaid:conformance>B</pdfaid:conformance>\n"
             "    </rdf:Description>\n"
             "  </rdf:RDF>\n"
             "</x:xmpmeta>\n"
             "<?xpacket end='w'?>")
      .arg(titel.toHtmlEscaped(), autor.toHtmlEscaped(), werkzeug.toHtmlEscaped(), datum, produzent.toHtmlEscaped())
      .toUtf8();
}

QtArchivPdf::QtArchivPdf() : stumm_(std::make_unique<Stumm>()) {}

QtArchivPdf::~QtArchivPdf() = default;

bool QtArchivPdf::Schreibe(const std::filesystem::path& datei, const PdfAAngaben& angaben,
                           const std::function<void(DruckFlaeche&)>& zeichne) {
  // Made at the first copy: it asks the system for its printers.
  if (!flaeche_) flaeche_ = std::make_unique<QtDruckflaeche>(*stumm_);
  PdfDateiBeginnen(datei);
  bool begonnen = false, gezeichnet = false;
  try {
    QPdfWriter schreiber(QString::fromStdU16String(PdfTeildatei(datei).u16string()));
    schreiber.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    // As the PDF files of the printouts: 1200 dpi, A4 without border, so the copy's words
    // stand where a plain-paper print into a PDF file puts them.
    schreiber.setResolution(1200);
    schreiber.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    const QString titel = Q(angaben.titel), autor = Q(angaben.autor), werkzeug = Q(ProgrammMitVersion());
    schreiber.setTitle(titel);
    schreiber.setCreator(werkzeug);
    // The writer stamps its creation date when it begins the document; the XMP copy of the
    // date is taken right then, so both name the same second.
    gezeichnet = flaeche_->ZeichneAuf(
        schreiber, [&] { zeichne(*flaeche_); },
        [&] {
          begonnen = true;
          schreiber.setDocumentXmpMetadata(ArchivXmp(titel, autor, werkzeug, QDateTime::currentDateTime()));
        });
  } catch (...) {
    PdfDateiVerwerfen(datei);
    throw;
  }
  if (!gezeichnet) {
    PdfDateiVerwerfen(datei);
    // The writer could not open the temporary file the folder has just taken.
    if (begonnen) throw PdfFehler(ea::ZugriffVerweigert, PdfDateiFehlerText(ea::ZugriffVerweigert, datei));
    return false;
  }
  PdfDateiAbschliessen(datei);
  return true;
}

}  // namespace velmora
