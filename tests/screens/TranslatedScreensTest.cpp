// The main screen and the PDF creation screens in German, French and Spanish, with the
// language chosen the way a user chooses it: LANGUAGE in the environment.

#include "app/AppSettings.h"
#include "pdf/screens/CreatePdfFlow.h"
#include "pdf/screens/PdfSetupDialog.h"
#include "pdf/screens/ProgressDialog.h"
#include "resources/ResourceIds.h"
#include "screens/MainDlg.h"
#include "screens/PdfCommands.h"
#include "session/Session.h"
#include "tests/screens/ScreenTestSupport.h"
#include "text/Catalogue.h"
#include "ui/device/SoftKeyBar.h"
#include "ui/toolkit/RememberedAnswers.h"
#include "ui/toolkit/SkinButton.h"

#include <QLineEdit>
#include <QTimer>

#include <memory>

using namespace ids;

namespace {

struct CLanguageCase {
    const char* language;
    // Main screen: soft keys, the path to Exit, the three buttons.
    const char* tools;
    const char* scan;
    std::vector<QString> exitPath;
    const char* makePdf;
    const char* deletePage;
    // PDF creation: the setup, success and new-session screens; the progress screen between
    // them (too quick to be sure to see with one page) and its soft key.
    std::vector<QString> flow;
    const char* progress;
    const char* cancel;
};

void PrintTo(const CLanguageCase& c, std::ostream* os) {
    *os << c.language;
}

const CLanguageCase kCases[] = {
    {"de",
     "Extras",
     "Scannen",
     {"Extras", "Datei", "Beenden"},
     "PDF erstellen",
     "Löschen",
     {"PDF einrichten", "PDF-Dokument erfolgreich erstellt", "Neue Sitzung beginnen?"},
     "PDF-Dokument wird erstellt",
     "Abbruch"},
    {"fr",
     "Outils",
     "Numériser",
     {"Outils", "Fichier", "Quitter"},
     "Créer PDF",
     "Supprimer",
     {"Configuration du PDF", "Document PDF créé", "Commencer une nouvelle session\u00a0?"},
     "Création du document PDF",
     "Annuler"},
    {"es",
     "Herramientas",
     "Escanear",
     {"Herramientas", "Archivo", "Salir"},
     "Crear PDF",
     "Eliminar",
     {"Configurar PDF", "Documento PDF creado correctamente", "¿Empezar una sesión nueva?"},
     "Creando el documento PDF",
     "Cancelar"},
};

class TranslatedScreensTest : public CScreenTest,
                              public ::testing::WithParamInterface<CLanguageCase> {
protected:
    void SetUp() override {
        CScreenTest::SetUp();
        m_oldLanguage = qgetenv("LANGUAGE");
        qputenv("LANGUAGE", GetParam().language);
        UseLanguages(MessageLanguages());
        LoadSettings(AppSettings());
        AppSettings().lastSaveFolder = Home();
        // The camera notice stays silent.
        StoreRememberedAnswer(1, 1);
    }
    void TearDown() override {
        qputenv("LANGUAGE", m_oldLanguage);
        UseLanguages({});
        CScreenTest::TearDown();
    }
    QByteArray m_oldLanguage;
};

TEST_P(TranslatedScreensTest, MainScreenSoftKeysMenusAndButtons) {
    const CLanguageCase& c = GetParam();
    ASSERT_EQ(ActiveCatalogue()->Languages(), QStringList(c.language));
    CMainDlg main;
    main.ShowModeless();
    ASSERT_TRUE(WaitFor([&] { return main.HasPainted() && main.LayoutCount() > 0; }));
    EXPECT_EQ(m_device->SoftKeys()->KeyText(true), c.tools);
    EXPECT_EQ(m_device->SoftKeys()->KeyText(false), c.scan);
    ASSERT_NE(main.MenuBar(), nullptr);
    EXPECT_EQ(MenuPath(*main.MenuBar(), ID_FILE_EXIT), c.exitPath);
    EXPECT_EQ(main.Control(IDC_BUTTON_SCAN)->accessibleName(), c.scan);
    EXPECT_EQ(main.Control(IDC_BUTTON_MAKE_PDF)->accessibleName(), c.makePdf);
    EXPECT_EQ(main.Control(IDC_BUTTON_DELETE)->accessibleName(), c.deletePage);
    main.DestroyScreen();
}

TEST_P(TranslatedScreensTest, PdfCreationScreensFromSetupToTheLastQuestion) {
    const CLanguageCase& c = GetParam();
    CScreen owner;
    owner.ShowModeless();
    CSession session;
    session.AddPage(session.MakePageFromFile(Picture("a.jpg", 200, 300)));
    StoreRememberedAnswer(kPdfActionsBox, 1);

    // Notes each screen that comes up by its accessible name, and answers it.
    std::vector<QString> seen;
    auto* timer = new QTimer(m_device.get());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [&] {
        CScreen* top = m_device->TopScreen();
        if (!top || top == &owner || !top->HasPainted())
            return;
        if (auto* progress = dynamic_cast<CProgressDialog*>(top)) {
            EXPECT_EQ(progress->accessibleName(), c.progress);
            return;
        }
        if (!top->IsRunning() || (!seen.empty() && seen.back() == top->accessibleName()))
            return;
        seen.push_back(top->accessibleName());
        if (auto* setup = dynamic_cast<CPdfSetupDialog*>(top)) {
            setup->FileEdit()->setText("out.pdf");
            top->SendCommand(IDC_QB_BUTTON_OK);
        } else if (seen.size() >= c.flow.size()) {
            top->SendCommand(IDCANCEL_COMMAND);
            timer->stop();
        } else {
            top->SendCommand(IDOK_COMMAND);
        }
    });
    timer->start();
    EXPECT_TRUE(CreatePdf(&owner, session));
    timer->stop();
    EXPECT_EQ(seen, c.flow);

    // The progress screen itself: its soft key and its Cancel button.
    CProgressDialog progress(&owner);
    progress.ShowModeless();
    ASSERT_TRUE(WaitFor([&] { return progress.HasPainted(); }));
    EXPECT_EQ(m_device->SoftKeys()->KeyText(true), c.cancel);
    EXPECT_EQ(progress.Button(IDC_CANCEL)->text(), c.cancel);
    progress.DestroyScreen();
    owner.DestroyScreen();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedScreensTest, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.language); });

} // namespace
