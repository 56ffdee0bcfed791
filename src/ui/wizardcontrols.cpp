// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wizardcontrols.h"

#include "ui/artwork.h"
#include "ui/stringconvert.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace larkspan {

namespace {

// Makes element index of an array, a widget with a text, named after its array and index.
template <typename Widget, std::size_t Count>
Widget* makeElement(std::array<Widget*, Count>& array, const char* arrayName, int index, const QString& text,
                    QWidget* panel)
{
    auto* widget = new Widget(text, panel);
    widget->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(arrayName)).arg(index));
    array[index] = widget;
    return widget;
}

} // namespace

WizardControls::WizardControls(QWidget& window, Platform& platform) : window(window), platform(platform) {}

QPushButton* WizardControls::addButton(QWidget* panel, int index, const QString& caption, bool enabled)
{
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(QStringLiteral("cmdButton_%1").arg(index));
    button->setAutoDefault(false);
    button->setEnabled(enabled);
    cmdButton[index] = button;
    return button;
}

QPushButton* WizardControls::addPictureButton(QWidget* panel, int index, const QString& picture, const QString& tip,
                                              QSize pictureSize, QSize buttonSize, bool enabled)
{
    QPushButton* button = addButton(panel, index, QString(), enabled);
    button->setIcon(artworkIcon(picture));
    button->setIconSize(pictureSize);
    button->setFixedSize(buttonSize);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

QLabel* WizardControls::addLabel(QWidget* panel, int index, const QString& text)
{
    return makeElement(lblLabel, "lblLabel", index, text, panel);
}

QCheckBox* WizardControls::addCheckBox(QWidget* panel, int index, const QString& caption)
{
    return makeElement(chkBox, "chkBox", index, caption, panel);
}

QRadioButton* WizardControls::addRadio(QWidget* panel, int index, const QString& caption)
{
    return makeElement(optRadio, "optRadio", index, caption, panel);
}

QLabel* WizardControls::addInstruction(QWidget* panel, const QString& text)
{
    auto* label = new QLabel(text, panel);
    label->setWordWrap(true);
    return label;
}

QVBoxLayout* WizardControls::addColumn(QWidget* panel, QWidget* top)
{
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 0, 4, 0);
    column->addWidget(top);
    return column;
}

WizardControls::CaptionedBox WizardControls::addLineBox(QWidget* panel, int index, const QString& caption)
{
    auto* label = new QLabel(caption, panel);
    auto* box = new QLineEdit(panel);
    label->setBuddy(box);
    txtBox[index] = box;
    return {label, box};
}

QListWidget* WizardControls::addList(QWidget* panel, int index, const QString& accessibleName)
{
    auto* list = new QListWidget(panel);
    list->setObjectName(QStringLiteral("lstBox_%1").arg(index));
    list->setAccessibleName(accessibleName);
    lstBox[index] = list;
    return list;
}

QString WizardControls::boxText(int index) const
{
    if (const auto* line = qobject_cast<const QLineEdit*>(txtBox[index]))
        return line->text();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(txtBox[index]))
        return plainTextWithCrLf(edit);
    return {};
}

void WizardControls::setBoxText(int index, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(txtBox[index]))
        line->setText(text);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(txtBox[index]))
        edit->setPlainText(toEditorText(text));
}

} // namespace larkspan
