#pragma once
// What the core and the engine need of the project window, and nothing more:
// the wall list, the selected pricing profile and the pricing options, the
// comparison rows, the two name boxes, message boxes and the two windows a
// calculation opens and closes. The real window implements it; tests and
// the benchmark use MemoryProjectView.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace dv {

enum class MsgButtons { Ok, YesNo, OkCancel };
enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgResult { Ok, Cancel, Yes, No };

class ProjectView {
public:
    virtual ~ProjectView() = default;

    // Wall grid: one row per wall, column 0 the wall ID, 1 the name, 2 "Yes"
    // when the wall is complete. Rows are handed over as fields, so no
    // character of a name can shift or forge a column.
    virtual void wallGridClear() = 0;
    virtual void wallGridAddRow(const QStringList& fields) = 0;
    virtual int wallGridRowCount() const = 0;
    virtual QString wallGridCell(int row, int column) const = 0;

    // The project window's pricing-profile combo.
    virtual void setSelectedProfile(int profileID, const QString& name) = 0;
    virtual int selectedProfileID() const = 0;
    virtual QString selectedProfileName() const = 0;
    // True when every price is to come from profile 1.
    virtual bool defaultPricingSelected() const = 0;
    // 1 when the selected profile's markup applies in the comparison.
    virtual int pricingMarkupValue() const = 0;

    // Comparison grid: five fields per row (wall ID, name, 2x6, 2x8, 2x10).
    // Emptying it tells the windows that follow the project (a refill
    // empties it first).
    void comparisonClear();
    virtual void comparisonAddRow(const QStringList& fields) = 0;
    virtual int comparisonRowCount() const = 0;
    virtual QString comparisonCell(int row, int column) const = 0;

    // Project and customer name boxes.
    virtual QString projectName() const = 0;
    virtual void setProjectName(const QString& s) = 0;
    virtual QString builderName() const = 0;
    virtual void setBuilderName(const QString& s) = 0;

    virtual MsgResult messageBox(const QString& text, const QString& title,
                                 MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) = 0;

    // A calculation ends by closing the please-wait window and, when some
    // member found no product, showing the validation results modally.
    virtual void closePleaseWait() = 0;
    virtual void showValidationResults() = 0;

protected:
    // Empties the comparison grid itself.
    virtual void removeComparisonRows() = 0;
};

// What changed of the project that other windows may show.
enum class ProjectChange { WallList, Comparison };
// The windows that follow the project (the report options) subscribe and
// are told after each change: the wall list once it is refilled, the
// comparison once it is emptied. A listener must not throw.
using ProjectChangeListener = std::function<void(ProjectChange)>;
// Returns the handle that ends the subscription.
int subscribeProjectChanges(ProjectChangeListener listener);
void unsubscribeProjectChanges(int handle);
void notifyProjectChange(ProjectChange change);

// The one project view of the running program (the project window, or a
// test's stand-in). projectView() raises an error when none is set.
void setProjectView(ProjectView* view);
ProjectView& projectView();
bool hasProjectView();

// A project view held in memory: for tests, the benchmark and any run with
// no window. Message boxes are recorded and answered from a queue.
class MemoryProjectView : public ProjectView {
public:
    std::vector<QStringList> wallRows;
    std::vector<QStringList> comparisonRows;
    int profileID = 1;
    QString profileName = QStringLiteral("Default");
    bool defaultPricing = false;
    int markup = 0;
    QString project, builder;
    struct Message { QString text, title; MsgButtons buttons; };
    std::vector<Message> messages;
    std::vector<MsgResult> answers;  // taken from the front; Ok/Yes when empty
    int pleaseWaitClosed = 0;
    int validationShown = 0;

    void wallGridClear() override { wallRows.clear(); }
    void wallGridAddRow(const QStringList& fields) override { wallRows.push_back(fields); }
    int wallGridRowCount() const override { return static_cast<int>(wallRows.size()); }
    QString wallGridCell(int row, int column) const override;
    void setSelectedProfile(int id, const QString& name) override { profileID = id; profileName = name; }
    int selectedProfileID() const override { return profileID; }
    QString selectedProfileName() const override { return profileName; }
    bool defaultPricingSelected() const override { return defaultPricing; }
    int pricingMarkupValue() const override { return markup; }
    void comparisonAddRow(const QStringList& fields) override { comparisonRows.push_back(fields); }
    int comparisonRowCount() const override { return static_cast<int>(comparisonRows.size()); }
    QString comparisonCell(int row, int column) const override;
    QString projectName() const override { return project; }
    void setProjectName(const QString& s) override { project = s; }
    QString builderName() const override { return builder; }
    void setBuilderName(const QString& s) override { builder = s; }
    MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;
    void closePleaseWait() override { ++pleaseWaitClosed; }
    void showValidationResults() override { ++validationShown; }

protected:
    void removeComparisonRows() override { comparisonRows.clear(); }
};

}  // namespace dv
