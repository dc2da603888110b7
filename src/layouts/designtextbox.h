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
    /// The text as the program set it (shown in capitals, maybe) or, while
    /// the pupil may write, as the pupil left it.
    QString text() const { return isReadOnly() ? content_ : toPlainText(); }

  private:
    QString content_;
};

} // namespace vocario
