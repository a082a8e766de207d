// Message boxes and input dialogs: the texts arrive in code page 1254 and
// are shown in Unicode; an answer goes back to code page 1254. The error
// box shows the Turkish text of the engine's message.
#include "app/QtPlatform.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "engine/Cp1254.h"
#include "engine/Messages.h"

namespace velsira {

namespace {

// A line break of the engine's texts (CR LF) is shown as one line break.
QString shown(const std::string& cp1254) {
  return QString::fromStdString(cp1254ToUtf8(cp1254)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void showBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text) {
  QMessageBox box(icon, QString::fromUtf8(kApplicationTitle), shown(text), QMessageBox::Ok,
                  parent);
  box.setObjectName(icon == QMessageBox::Critical ? QStringLiteral("ErrorBox")
                                                  : QStringLiteral("MessageBox"));
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

void QtMessageBoxes::ShowMessage(const std::string& text) {
  if (beforeModal) beforeModal();
  showBox(parent_, QMessageBox::NoIcon, text);
}

void QtMessageBoxes::ShowError(const std::string& text) {
  if (beforeModal) beforeModal();
  showBox(parent_, QMessageBox::Critical, TurkishMessage(text));
}

std::string QtInputDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) {
  if (beforeModal) beforeModal();
  QInputDialog dialog(parent_);
  dialog.setObjectName(QStringLiteral("InputDialog"));
  dialog.setWindowTitle(shown(caption));
  dialog.setLabelText(shown(prompt));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextValue(shown(defaultText));
  dialog.setOkButtonText(QStringLiteral("Tamam"));
  dialog.setCancelButtonText(QStringLiteral("İptal"));
  if (dialog.exec() != QDialog::Accepted) return defaultText;
  return utf8ToCp1254(dialog.textValue().toStdString());
}

}  // namespace velsira
