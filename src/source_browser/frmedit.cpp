#include "source_browser/frmedit.h"

#include <QPlainTextEdit>

namespace larkspan {

frmEdit::frmEdit(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmEdit"));
    setAttribute(Qt::WA_DeleteOnClose);
    txtSource = new QPlainTextEdit(this);
    txtSource->setReadOnly(true);
}

void frmEdit::Form_Load() {}

} // namespace larkspan
