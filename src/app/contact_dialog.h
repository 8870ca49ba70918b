#pragma once
// The "contact" dialog: the card's contact, one field a line, the address on several lines. Its
// fields are named after the contact's parts so that scripts and tests find them.

#include <QDialog>

#include "catalogue/language.h"
#include "contact/contact.h"

class QLineEdit;
class QPlainTextEdit;

namespace orvane {

class ContactDialog : public QDialog {
  Q_OBJECT
 public:
  ContactDialog(const Contact& contact, Language language, QWidget* parent);

  /// The contact as the fields hold it now.
  Contact contact() const;

 private:
  QLineEdit* givenName_ = nullptr;
  QLineEdit* familyName_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* organisation_ = nullptr;
  QLineEdit* telephone1_ = nullptr;
  QLineEdit* telephone2_ = nullptr;
  QLineEdit* email_ = nullptr;
  QLineEdit* website_ = nullptr;
  QPlainTextEdit* address_ = nullptr;
};

}  // namespace orvane
