#pragma once
// The ten text boxes of a user, shared by the user maintenance and the user
// validation windows.
#include <array>
#include <string>

#include "store/Records.h"

class QGridLayout;
class QLineEdit;

namespace gavlin::admin {

struct UserFields {
    QLineEdit *txtAlias, *txtRealName, *txtPassword, *txtEmail, *txtAddress, *txtCity, *txtState, *txtZip, *txtPhone,
        *txtCountry;

    // Adds the boxes with their labels as rows of the grid (two columns of label and box).
    void build(QGridLayout* grid);
    void showUser(const UserRecord& u);
    void takeUser(UserRecord& u) const;
    void clearUser();
    void setUserReadOnly(bool readOnly);
    std::array<QLineEdit*, 10> boxes() const;
};

}  // namespace gavlin::admin
