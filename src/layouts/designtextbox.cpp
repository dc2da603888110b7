#include "designtextbox.h"

#include "displaytext.h"

#include <QTextBlockFormat>
#include <QTextCursor>

namespace vocario {

DesignTextBox::DesignTextBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void DesignTextBox::setReadOnlyForPupil(bool readOnly) {
    setReadOnly(readOnly);
    setTextInteractionFlags(readOnly ? Qt::NoTextInteraction : Qt::TextEditorInteraction);
    setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    viewport()->setCursor(readOnly ? Qt::ArrowCursor : Qt::IBeamCursor);
}

void DesignTextBox::setContent(const QString& text) {
    content_ = text;
    setPlainText(shownText(this, text));
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
}

} // namespace vocario
