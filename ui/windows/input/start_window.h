// The input form, the main window: the five groups of input fields, the two
// analysis commands and the File, Unit and Help menus. A thin view over the
// screen-independent InputForm: every event is handed to the form, and the
// window then shows the form's state again.
#pragma once

#include <QMainWindow>
#include <array>

#include "form/input_form.h"

class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace kelp {

class ClickableLabel;
class FieldEvents;
class PictureCommand;
class UnitMenu;
class UnitSwitch;

enum class Option { Box, Circle, Single, Double, TWConstant, TWDown, TWIrregular, Count };
inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(Option::Count);

class StartWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit StartWindow(QWidget* parent = nullptr);
    // The field events go first: a focus change during the window's own
    // destruction must not reach a half-destroyed window.
    ~StartWindow() override;

    // The form shown and its unit switch; bound again when the form is
    // replaced. Shows the form's state.
    void Bind(InputForm& form, UnitSwitch& units);
    // Shows every text, enabled state, colour, choice, list, unit caption and
    // check mark of the form.
    void Refresh();
    // Closes the window without asking (the program is ending).
    void CloseForGood();

    // The control of a field (a line edit, or a combo box for a list).
    QWidget* field(Field f) const { return fields_[Index(f)]; }
    // The edit box that takes the keys of a field (a list's own edit box).
    QLineEdit* editor(Field f) const;
    QLabel* unitLabel(Field f) const { return unitLabels_[Index(f)]; }
    QRadioButton* option(Option o) const { return options_[Index(o)]; }
    ClickableLabel* optionCaption(Option o) const { return optionCaptions_[Index(o)]; }
    PictureCommand* rangeCommand() const { return range_; }
    PictureCommand* designCommand() const { return design_; }
    QPushButton* irregularCommand() const { return irregular_; }
    UnitMenu* unitMenu() const { return unitMenu_; }
    QAction* printPreviewAction() const { return printPreview_; }
    QAction* printAction() const { return print_; }

signals:
    void rangeRequested();
    void designRequested();
    void newRequested();
    void openRequested();
    void saveRequested();
    void saveAsRequested();
    void exitRequested();
    void printPreviewRequested();
    void printRequested();
    void helpRequested();
    void aboutRequested();
    // "Create/Edit Irregular Channel Data", after the irregular option is chosen.
    void irregularEditRequested();

protected:
    // Closing the window is the File menu's Exit, with its save prompt.
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename E>
    static std::size_t Index(E e) { return static_cast<std::size_t>(e); }

    // Building the window.
    void BuildMenus();
    QWidget* BuildGroups();
    QWidget* ProjectGroup();
    QWidget* CulvertGroup();
    QWidget* ProfileGroup();
    QWidget* DischargeGroup();
    QWidget* TailwaterGroup();
    QWidget* Commands();
    void AddField(QGridLayout* grid, Field f);
    // `lead` stands before the control instead of the field's caption.
    void PlaceField(QGridLayout* grid, int row, Field f, QWidget* lead = nullptr);
    QWidget* OptionPair(Option first, Option second);
    QWidget* OptionButton(Option o);
    QWidget* MakeFieldControl(Field f);

    // Handing events to the form.
    void ConnectField(Field f);
    bool IsChosen(Option o) const;
    void OptionClicked(Option o, bool byCaption);
    void Choose(Option o, bool byCaption);
    void ChooseFromList(Field f, const QString& text);
    void ChooseUnit(bool metric);
    void FocusChanged(Field f, bool gained);
    void WatchMenus();

    void ShowField(Field f);
    void ShowUnitCaptions();

    InputForm* form_ = nullptr;
    UnitSwitch* units_ = nullptr;
    std::array<QWidget*, kFieldCount> fields_{};
    std::array<QLabel*, kFieldCount> captions_{};
    std::array<QLabel*, kFieldCount> unitLabels_{};
    std::array<QRadioButton*, kOptionCount> options_{};
    std::array<ClickableLabel*, kOptionCount> optionCaptions_{};
    FieldEvents* events_ = nullptr;
    PictureCommand* range_ = nullptr;
    PictureCommand* design_ = nullptr;
    QPushButton* irregular_ = nullptr;
    UnitMenu* unitMenu_ = nullptr;
    QAction* printPreview_ = nullptr;
    QAction* print_ = nullptr;
    QTimer* menuWatcher_ = nullptr;
    bool closing_ = false;
};

}  // namespace kelp
