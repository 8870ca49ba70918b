#include "app/contact_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "catalogue/catalogue.h"
#include "qt/qt_text.h"

namespace orvane {

namespace {

constexpr int captionContact = 1300;
constexpr int captionGivenName = 1302;
constexpr int captionFamilyName = 1303;
constexpr int captionTitle = 1304;
constexpr int captionOrganisation = 1305;
constexpr int captionTelephone1 = 1306;
constexpr int captionTelephone2 = 1307;
constexpr int captionEmail = 1308;
constexpr int captionWebsite = 1309;
constexpr int captionAddress = 1310;

// Generous for any name or number, and short enough that the whole contact fits in one QR code.
constexpr int longestField = 100;

}  // namespace

ContactDialog::ContactDialog(const Contact& contact, Language language, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ContactDialog"));
  setWindowTitle(toQString(catalogue::text(language, captionContact)));
  auto* form = new QFormLayout;
  const auto line = [&](const char* name, int captionId, const std::string& text) {
    auto* edit = new QLineEdit(toQString(text), this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(longestField);
    form->addRow(toQString(catalogue::text(language, captionId)), edit);
    return edit;
  };
  givenName_ = line("givenName", captionGivenName, contact.givenName);
  familyName_ = line("familyName", captionFamilyName, contact.familyName);
  title_ = line("title", captionTitle, contact.title);
  organisation_ = line("organisation", captionOrganisation, contact.organisation);
  telephone1_ = line("telephone1", captionTelephone1, contact.telephones[0]);
  telephone2_ = line("telephone2", captionTelephone2, contact.telephones[1]);
  email_ = line("email", captionEmail, contact.email);
  website_ = line("website", captionWebsite, contact.website);
  address_ = new QPlainTextEdit(toQString(contact.address), this);
  address_->setObjectName(QStringLiteral("address"));
  address_->setTabChangesFocus(true);
  form->addRow(toQString(catalogue::text(language, captionAddress)), address_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

Contact ContactDialog::contact() const {
  Contact contact;
  contact.givenName = toStdString(givenName_->text());
  contact.familyName = toStdString(familyName_->text());
  contact.title = toStdString(title_->text());
  contact.organisation = toStdString(organisation_->text());
  contact.telephones = {toStdString(telephone1_->text()), toStdString(telephone2_->text())};
  contact.email = toStdString(email_->text());
  contact.website = toStdString(website_->text());
  contact.address = toStdString(address_->toPlainText());
  return contact;
}

}  // namespace orvane
