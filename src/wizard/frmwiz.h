#pragma once

#include "page/pagespec.h"
#include "platform/platform.h"
#include "wizard/controls.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace larkspan {

class AboutPage;
class BulletListPage;
class ColourPage;
class FinishPage;
class ImagePage;
class LayoutPage;
class LinksPage;
class TextPage;
class WelcomePage;
class frmEdit;

// The wizard's one main window. It owns every control of every page in fixed control arrays; the pages' behaviour
// lives in the page classes, which this window's event handlers dispatch to.
class frmWiz : public QWidget {
    Q_OBJECT

public:
    static constexpr QPoint PanelOrigin{160, 7};
    static constexpr QSize PanelSize{430, 300};

    // helpFile: the help document's contents page, empty when the program has no help.
    frmWiz(Platform& platform, const QString& helpFile, QWidget* parent = nullptr);
    ~frmWiz() override;

    Platform& platform;
    const QString helpFile;

    // The control arrays. Elements that a page does not have stay null.
    std::array<QPushButton*, CmdButtonCount> cmdButton{};
    std::array<QWidget*, TxtBoxCount> txtBox{};  // QLineEdit, or QPlainTextEdit for the page text and item boxes
    std::array<QComboBox*, CbBoxCount> cbBox{};
    std::array<QCheckBox*, ChkBoxCount> chkBox{};
    std::array<QRadioButton*, OptRadioCount> optRadio{};
    std::array<QListWidget*, LstBoxCount> lstBox{};
    std::array<QLabel*, LblLabelCount> lblLabel{};
    std::array<QWidget*, PageCount> picContainer{};
    std::array<QWidget*, PicBoxCount> picBox{};
    std::array<QLabel*, ImgWizCount> imgWiz{};
    std::array<QLabel*, TemplateCount> imgTemplates{};
    QScrollBar* hsbImg = nullptr;
    QScrollBar* vsbImg = nullptr;

    // Tab followed by the page text box's selection, taken at every button press.
    QString capturedSelection;
    CustomColors customColors{};
    // Full path of the chosen page image.
    QString pageImagePath;
    // The two busy marks that drop a repeated request while the first one runs.
    bool sourceBrowserBusy = false;
    bool finishBusy = false;

    QLabel* sideImage() const { return imgWiz[ImgSide]; }
    QWidget* panel(WizardPage page) const { return picContainer[int(page)]; }

    // Page objects, reached by each other through the window.
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

    // Makes element index of cmdButton on a page's panel. A picture button's tool tip is its accessible name too.
    QPushButton* addButton(QWidget* panel, int index, const QString& caption, bool enabled);
    QPushButton* addPictureButton(QWidget* panel, int index, const QString& picture, const QString& tip,
                                  QSize pictureSize, QSize buttonSize, bool enabled);
    // Makes element index of lblLabel on a panel or a frame in it, or element index of lstBox ready for
    // entries to be added at any length.
    QLabel* addLabel(QWidget* panel, int index, const QString& text = {});
    QListWidget* addList(QWidget* panel, int index, const QString& accessibleName);

    // The page description as the pages show it now.
    PageSpec pageSpec() const;

    // Text of any text box, with CR LF line ends; setting it replaces the whole text.
    QString boxText(int index) const;
    void setBoxText(int index, const QString& text);

    // Lowest index whose panel is visible; -1 when none is.
    int CurrentPage() const;
    void NextStep(int page);
    void PreviousStep(int page);
    void EnterWelcome();
    void showPanel(WizardPage page);
    void hidePanel(WizardPage page);
    void loadSidePicture(int bitmap);
    // One step between pages: hides the panel left before showing the next, so exactly one panel is visible.
    void moveTo(WizardPage from, int bitmap, const QString& caption, WizardPage to);
    void setCancelButton(QPushButton* button);
    QPushButton* cancelButton() const { return escapeButton; }

    // Event handlers, shared by all elements of a control array.
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
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Help();
    void About();
    void Form_Unload();
    void createButtonRow();
    void connectHandlers();

    QPushButton* escapeButton = nullptr;
    QPointer<frmEdit> editWindow;

    std::unique_ptr<WelcomePage> welcome;
    std::unique_ptr<AboutPage> about;
    std::unique_ptr<LayoutPage> layout;
    std::unique_ptr<ColourPage> colours;
    std::unique_ptr<ImagePage> image;
    std::unique_ptr<TextPage> text;
    std::unique_ptr<BulletListPage> bullets;
    std::unique_ptr<LinksPage> links;
    std::unique_ptr<FinishPage> finish;
};

} // namespace larkspan
