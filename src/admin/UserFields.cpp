#include "admin/UserFields.h"

#include <QGridLayout>
#include <QLineEdit>

#include "admin/FormSupport.h"

namespace gavlin::admin {

namespace {
using Member = std::string UserRecord::*;
constexpr Member kMembers[] = {&UserRecord::Alias,   &UserRecord::RealName, &UserRecord::Password, &UserRecord::Email,
                               &UserRecord::Address, &UserRecord::City,     &UserRecord::State,    &UserRecord::Zip,
                               &UserRecord::Phone,   &UserRecord::Country};
}  // namespace

void UserFields::build(QGridLayout* grid) {
    txtAlias = AddLineBox(grid, 0, "User Alias:", "txtAlias");
    txtRealName = AddLineBox(grid, 0, "User Real Name:", "txtRealName");
    txtPassword = AddLineBox(grid, 0, "Password:", "txtPassword");
    txtEmail = AddLineBox(grid, 0, "Email Address:", "txtEmail");
    txtAddress = AddLineBox(grid, 0, "Mailing Address:", "txtAddress");
    txtCity = AddLineBox(grid, 2, "City:", "txtCity");
    txtState = AddLineBox(grid, 2, "State:", "txtState");
    txtZip = AddLineBox(grid, 2, "Zip:", "txtZip");
    txtPhone = AddLineBox(grid, 2, "Phone:", "txtPhone");
    txtCountry = AddLineBox(grid, 2, "Country:", "txtCountry");
}

std::array<QLineEdit*, 10> UserFields::boxes() const {
    return {txtAlias, txtRealName, txtPassword, txtEmail, txtAddress, txtCity, txtState, txtZip, txtPhone, txtCountry};
}

void UserFields::showUser(const UserRecord& u) {
    const auto all = boxes();
    for (std::size_t i = 0; i < all.size(); ++i) all[i]->setText(Shown(u.*kMembers[i]));
}

void UserFields::takeUser(UserRecord& u) const {
    const auto all = boxes();
    for (std::size_t i = 0; i < all.size(); ++i) u.*kMembers[i] = Typed(all[i]);
}

void UserFields::clearUser() {
    for (auto* b : boxes()) b->clear();
}

void UserFields::setUserReadOnly(bool readOnly) {
    for (auto* b : boxes()) b->setReadOnly(readOnly);
}

}  // namespace gavlin::admin
