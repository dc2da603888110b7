#pragma once

#include <QTextEdit>

namespace vocario {

/// The multi-line centred text box. When designed disabled it is read-only
/// for the pupil, yet its text stays fully readable, and long text wraps.
class DesignTextBox : public QTextEdit {
    Q_OBJECT
  public:
    explicit DesignTextBox(QWidget* parent = nullptr);

    void setReadOnlyForPupil(bool readOnly);
    /// Replaces the text and centres every line.
    void setContent(const QString& text);
    QString text() const { return toPlainText(); }
};

} // namespace vocario
