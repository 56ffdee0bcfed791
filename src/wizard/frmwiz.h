// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/pagespec.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/wizardcontrols.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;

namespace larkspan {

class AboutPage;
class BulletListPage;
class ColourPage;
class FinishPage;
class ImagePage;
class LayoutPage;
class LinksPage;
struct LoadedPage;
class TextPage;
class TextBoxEvents;
class WelcomePage;
class WizardPageBase;
class frmEdit;
struct Step;

// The wizard's one main window. It owns every control of every page in the fixed control arrays that it holds as
// WizardControls and lends to its pages; its event handlers pass each event on to the page that made the control,
// which does the work.
class frmWiz : public QWidget, public WizardControls {
    Q_OBJECT

public:
    static constexpr QPoint PanelOrigin{160, 7};
    static constexpr QSize PanelSize{430, 300};

    // AllPages builds every page at once. WelcomeFirst builds the Welcome page and the buttons, and the other pages
    // once the window has painted itself, so that the window shows sooner; finishBuilding() builds them earlier.
    enum class Building { AllPages, WelcomeFirst };
    // How long a window built WelcomeFirst waits for its first paint before it builds the other pages anyway.
    static constexpr int BuildWithoutPaintMs = 1000;

    // helpFile: the help document's contents page, empty when the program has no help.
    frmWiz(Platform& platform, const QString& helpFile, QWidget* parent = nullptr,
           Building building = Building::AllPages);
    ~frmWiz() override;

    // Builds and loads the pages not built yet, if any.
    void finishBuilding();

    const QString helpFile;

    QLabel* sideImage() const { return side; }

    // Page objects, reached by the finish step and by tests.
    LayoutPage& layoutPage() const { return *layout; }
    ColourPage& colourPage() const { return *colours; }
    ImagePage& imagePage() const { return *image; }
    TextPage& textPage() const { return *text; }
    BulletListPage& bulletListPage() const { return *bullets; }
    LinksPage& linksPage() const { return *links; }
    FinishPage& finishPage() const { return *finish; }

    // The source browser, created hidden on first use.
    frmEdit& sourceBrowser();
    bool hasSourceBrowser() const;

    // The page description as the pages show it now.
    PageSpec pageSpec() const;
    // Every page back to its answers at the first start: the text boxes emptied, then each page in the order of
    // the choices.
    void clearAnswers();
    // Reads a page saved earlier and sets every page to its answers, as if the user had made them. A file that is
    // no page to read gets a message naming it and the reason, and every answer stays as it was.
    bool openPage(const QString& fileName);
    // The same for a page already read from that file.
    bool openPage(const QString& fileName, LoadedPage page);
    // True when the pages hold other answers than at the first start.
    bool hasAnswers() const;

    // Lowest index whose panel is visible; -1 when none is.
    int CurrentPage() const;
    void NextStep(int page);
    void PreviousStep(int page);
    void showPanel(WizardPage page);
    void hidePanel(WizardPage page);
    void loadSidePicture(int bitmap);
    void setCancelButton(QPushButton* button);
    QPushButton* cancelButton() const { return escapeButton; }

    // The page that made each control and so hears its events; null for the window's own buttons.
    struct ControlOwners {
        std::array<WizardPageBase*, CmdButtonCount> cmdButton{};
        std::array<WizardPageBase*, TxtBoxCount> txtBox{};
        std::array<WizardPageBase*, ChkBoxCount> chkBox{};
        std::array<WizardPageBase*, OptRadioCount> optRadio{};
        std::array<WizardPageBase*, LstBoxCount> lstBox{};
        std::array<WizardPageBase*, CbBoxCount> cbBox{};
    };
    const ControlOwners& controlOwners() const { return owners; }

    // Event handlers, shared by all elements of a control array. Each passes the event on to the page that made
    // the control.
    void Form_Load();
    void cmdButton_Click(int index);
    void txtBox_GotFocus(int index);
    void txtBox_Change(int index);
    // Returns true when the key is to be swallowed.
    bool txtBox_KeyPress(int index, int keyAscii);
    void chkBox_Click(int index);
    void optRadio_Click(int index);
    void lstBox_Click(int index);
    void cbBox_Click(int index);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void takeStep(const Step& step);
    // Tells screen readers which page shows; focusLost: the focus was on the page just hidden.
    void announcePage(bool focusLost);
    // Sizes the panels (never below atLeast), the button row and the window for the font; see the definition.
    void fitToText(QSize atLeast = {});
    // Lays every panel out at that size and tells in which directions a text of a page does not fit.
    Qt::Orientations textsCut(QSize panelSize) const;
    void Help();
    void About();
    void Form_Unload();
    void createButtonRow();
    void buildOtherPages();
    // Connects a control, the element index of its array, to the window's handler for the array.
    void connectControl(QPushButton* button, int index);
    void connectControl(QWidget* box, int index);
    void connectControl(QCheckBox* box, int index);
    void connectControl(QRadioButton* option, int index);
    void connectControl(QListWidget* list, int index);
    void connectControl(QComboBox* combo, int index);

    QLabel* side = nullptr;
    QPushButton* escapeButton = nullptr;
    bool fitting = false;
    bool fitPending = false;
    bool buildPending = false;
    QPointer<frmEdit> editWindow;
    TextBoxEvents* boxEvents = nullptr;
    // The answers of a new page, to tell whether the user has made any.
    PageSpec startAnswers;

    std::unique_ptr<WelcomePage> welcome;
    std::unique_ptr<AboutPage> about;
    std::unique_ptr<LayoutPage> layout;
    std::unique_ptr<ColourPage> colours;
    std::unique_ptr<ImagePage> image;
    std::unique_ptr<TextPage> text;
    std::unique_ptr<BulletListPage> bullets;
    std::unique_ptr<LinksPage> links;
    std::unique_ptr<FinishPage> finish;
    // The same pages in the order in which they load and reset.
    std::array<WizardPageBase*, PageCount> pages{};
    ControlOwners owners;

    // Builds a page on the window's controls, makes it the owner of every control that it made and connects those.
    template <typename Page, typename Controls>
    std::unique_ptr<Page> buildPage(Controls& controls);
};

} // namespace larkspan
