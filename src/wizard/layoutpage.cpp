// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/layoutpage.h"

#include "ui/artwork.h"
#include "ui/stringconvert.h"
#include "ui/wizardcontrols.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace larkspan {

namespace {

constexpr QSize PreviewSize{92, 112};
constexpr QSize FirstThumbnailSize{75, 95};
constexpr QSize ThumbnailSize{72, 93};

const char* const layoutItems[] = {
    QT_TRANSLATE_NOOP("LayoutPage", "Choose a Layout"),
    QT_TRANSLATE_NOOP("LayoutPage", "Basic Style"),
    QT_TRANSLATE_NOOP("LayoutPage", "Basic Style Image Left"),
    QT_TRANSLATE_NOOP("LayoutPage", "Basic Style Image Right"),
    QT_TRANSLATE_NOOP("LayoutPage", "Table Style Image Left"),
    QT_TRANSLATE_NOOP("LayoutPage", "Table Style Image Right"),
};

const char* const layoutDescriptions[] = {
    "",
    QT_TRANSLATE_NOOP("LayoutPage",
                      "Basic Style is the simplest layout style. The heading is centered at the top with text below, "
                      "an image, links and the footer at the bottom."),
    QT_TRANSLATE_NOOP("LayoutPage",
                      "Basic Style Image Left has heading centered at the top with the image aligned on the left with "
                      "text flowing around the image, links, and the footer at the bottom."),
    QT_TRANSLATE_NOOP("LayoutPage",
                      "Basic Style Image Right has heading centered at the top with the image aligned on the right "
                      "with text flowing around the image, links, and the footer at the bottom."),
    QT_TRANSLATE_NOOP("LayoutPage",
                      "Table Style Image Left use a hidden table to separate the image from the text. The header is "
                      "centered at the top, an image on the left, text on the right with links and footer items "
                      "below."),
    QT_TRANSLATE_NOOP("LayoutPage",
                      "Table Style Image Right use a hidden table to separate the image from the text. The header is "
                      "centered at the top, an image on the right, text on the left with links and footer items "
                      "below."),
};

} // namespace

LayoutPage::LayoutPage(WizardControls& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Layout);

    auto* instruction = new QLabel(tr("Select a layout style for your web page."), panel);

    auto* frame = new QGroupBox(tr("Page Preview"), panel);
    auto* preview = new QFrame(frame);
    preview->setObjectName(QStringLiteral("picBox_0"));
    preview->setFrameShape(QFrame::Box);
    preview->setFixedSize(PreviewSize);
    wiz.picBox[PicLayoutPreview] = preview;
    for (int i = 0; i < TemplateCount; ++i) {
        const QSize size = i == 0 ? FirstThumbnailSize : ThumbnailSize;
        auto* thumbnail = new QLabel(preview);
        thumbnail->setObjectName(QStringLiteral("imgTemplates_%1").arg(i));
        thumbnail->resize(size);
        thumbnail->hide();
        imgTemplates[i] = thumbnail;
    }
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(preview, 0, Qt::AlignCenter);

    auto* style = new QComboBox(panel);
    wiz.cbBox[CbLayout] = style;
    style->setObjectName(QStringLiteral("cbBox_0"));
    style->setAccessibleName(tr("Layout style"));
    instruction->setBuddy(style);

    QLabel* description = wiz.addLabel(panel, LblLayoutDescription);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const auto [titleLabel, title] = wiz.addLineBox(panel, TxtTitle, tr("Title of your web page. eg: My Home Page"));

    const auto [headingLabel, heading] = wiz.addLineBox(panel, TxtHeading, tr("Page Heading"));

    auto* sizeLabel = new QLabel(tr("Size"), panel);
    auto* size = new QComboBox(panel);
    size->setObjectName(QStringLiteral("cbBox_1"));
    sizeLabel->setBuddy(size);
    wiz.cbBox[CbHeadingSize] = size;

    auto* styleColumn = new QVBoxLayout;
    styleColumn->addWidget(style);
    styleColumn->addWidget(description, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(frame);
    top->addLayout(styleColumn, 1);

    auto* headingRow = new QGridLayout;
    headingRow->addWidget(headingLabel, 0, 0);
    headingRow->addWidget(sizeLabel, 0, 1);
    headingRow->addWidget(heading, 1, 0);
    headingRow->addWidget(size, 1, 1);
    headingRow->setColumnStretch(0, 1);

    QVBoxLayout* column = wiz.addColumn(panel, instruction);
    column->addLayout(top);
    column->addWidget(titleLabel);
    column->addWidget(title);
    column->addLayout(headingRow);
    column->addStretch();
}

void LayoutPage::formLoad()
{
    QWidget* preview = wiz.picBox[PicLayoutPreview];
    const QRect inner = preview->contentsRect();
    for (QLabel* thumbnail : imgTemplates)
        thumbnail->move(inner.left() + (inner.width() - thumbnail->width()) / 2,
                        inner.top() + (inner.height() - thumbnail->height()) / 2);
    imgTemplates[0]->raise();

    QComboBox* style = wiz.cbBox[CbLayout];
    for (const char* item : layoutItems)
        style->addItem(tr(item));
    style->setCurrentIndex(0);
    // Choosing the first item of a freshly filled combo changes nothing, so run its behaviour here.
    layoutChosen();

    QComboBox* size = wiz.cbBox[CbHeadingSize];
    for (int i = 1; i <= 6; ++i)
        size->addItem(QString::number(i));
    size->setCurrentIndex(1);
}

void LayoutPage::cbBox_Click(int index)
{
    if (index == CbLayout)
        layoutChosen();
}

void LayoutPage::layoutChosen()
{
    const int index = wiz.cbBox[CbLayout]->currentIndex();
    if (index >= 0 && index < TemplateCount) {
        // Thumbnails shown before stay visible behind the chosen one. Each is drawn when it first shows, which
        // keeps the drawing of the others out of the start.
        QLabel* thumbnail = imgTemplates[index];
        if (thumbnail->pixmap().isNull())
            thumbnail->setPixmap(
                artworkPixmap(QStringLiteral(":/templates/%1").arg(index), thumbnail->size(), &wiz.window));
        thumbnail->raise();
        thumbnail->show();
    }
    DescribeLayout(index);
}

void LayoutPage::DescribeLayout(int index)
{
    if (index < 0 || index >= int(std::size(layoutDescriptions)))
        return;
    wiz.lblLabel[LblLayoutDescription]->setText(index == 0 ? QString() : tr(layoutDescriptions[index]));
}

bool LayoutPage::checkLayout()
{
    if (wiz.cbBox[CbLayout]->currentIndex() != 0)
        return true;
    wiz.platform.beep();
    wiz.platform.messageBox(&wiz.window, tr("Please select a layout style before proceeding."), MessageButtons::Ok,
                            MessageIcon::Information, tr("Larkspan"));
    wiz.cbBox[CbLayout]->setFocus();
    return false;
}

void LayoutPage::resetForAnotherPage()
{
    // A choice that is already made changes nothing and so runs no behaviour; the reset runs it all the same.
    QComboBox* layoutStyle = wiz.cbBox[CbLayout];
    if (layoutStyle->currentIndex() == 0)
        layoutChosen();
    else
        layoutStyle->setCurrentIndex(0);
    wiz.cbBox[CbHeadingSize]->setCurrentIndex(1);
}

void LayoutPage::restore(const PageSpec& spec, const QString&)
{
    wiz.cbBox[CbLayout]->setCurrentIndex(int(spec.layout));
    wiz.setBoxText(TxtTitle, toQt(spec.title));
    wiz.setBoxText(TxtHeading, toQt(spec.heading));
    // Every size the combo lacks is written as the last one, H6.
    const QComboBox* size = wiz.cbBox[CbHeadingSize];
    wiz.cbBox[CbHeadingSize]->setCurrentIndex(
        spec.headingSize >= 0 && spec.headingSize < size->count() ? spec.headingSize : size->count() - 1);
}

void LayoutPage::describe(PageSpec& spec) const
{
    spec.layout = LayoutStyle(wiz.cbBox[CbLayout]->currentIndex());
    spec.title = toStd(wiz.boxText(TxtTitle));
    spec.heading = toStd(wiz.boxText(TxtHeading));
    spec.headingSize = wiz.cbBox[CbHeadingSize]->currentIndex();
}

} // namespace larkspan
