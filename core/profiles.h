#pragma once
// The list of customer pricing profiles: adding, changing and removing a
// profile, and the copy of profile 1 ("Default") that every new profile
// starts from. A profile is one row under one ID in each of
// Customer_ProfileID, Customer_Profiles, Product_Pricing and
// Product_Inventory.
#include "platform/money.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace dv {

class ProjectView;

// The profile "Default", template of every new profile; never changed or
// removed through the profile list.
constexpr int DefaultProfileID = 1;

// Gives a new profile the settings, prices and stock of profile 1: its first
// row in Customer_Profiles, Product_Pricing and Product_Inventory is copied
// value for value under NewProfileID. A table where profile 1 has no row
// gets none for the new profile either. All three copies or none.
void CopyDefaultProfile(int NewProfileID);

// The form in which a typed profile name is stored: cut to 255 characters,
// each apostrophe as a back-quote, leading and trailing blanks removed.
QString StoredProfileName(const QString& typed);

// True when a profile other than exceptID carries storedName, compared
// without regard to case.
bool ProfileNameTaken(const QString& storedName, int exceptID = 0);

// Inserts the profile and its copy of profile 1 in one transaction; returns
// the new profile's ID, the one the insert itself was given.
int AddProfile(const QString& storedName, double markup, Money deliveryCharge);

// Changes the name, markup and delivery charge of one profile. A new markup
// for the project window's selected profile, while its markup applies,
// empties the project window's comparison.
void UpdateProfile(int profileID, const QString& storedName, double markup, Money deliveryCharge);

// Deletes a profile's rows from all four profile tables in one transaction.
void RemoveProfile(int profileID);

// One row per profile in database order: ID, name with its apostrophes
// restored, markup followed by "%", delivery charge.
std::vector<QStringList> ProfileListRows();

// After the profile list changed: a project window whose selected profile is
// gone selects "Default" and empties its comparison, whose prices no longer
// have a profile; one whose profile was renamed shows the new name, as
// stored, like its row in the profile list.
void AfterProfilesChanged(ProjectView& view);

// "Product" + ID: the price and stock column of a product. Only IDs 1 to 40
// have columns; any other raises an error, so no other text ever becomes a
// field name.
QString ProductColumn(int productID);

}  // namespace dv
