#include "app/MainKeyboard.h"

#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/DateRow.h"
#include "app/MainTexts.h"
#include "app/frmMain.h"
#include "support/WindowSupport.h"
#include "view/GraphicView.h"
#include "view/TableGrid.h"

namespace MainKeyboard {

void NameParts(frmMain& w) {
    const QString report = support::Text(MainText::ReportName);
    w.txbReport->setAccessibleName(report);
    w.txbReport1->setAccessibleName(report);
    w.picTable->setAccessibleName(support::Text(MainText::TableName));
    w.picGraphic->setAccessibleName(support::Text(MainText::PictureName));
    w.cboForwardBack->setAccessibleName(support::Text(MainText::StepSizeName));
    // The two rows of birthdate modes differ by the birthdate their tool-tips name.
    for (int i = 0; i < 2; ++i) {
        w.optNatal[i]->setAccessibleName(w.optNatal[i]->toolTip());
        w.optPersonal[i]->setAccessibleName(w.optPersonal[i]->toolTip());
    }
    // Alt and a letter of its caption press each main command: the first letter not taken
    // by a command before it, so that none repeats in either language.
    QString taken;
    for (QPushButton* command : std::initializer_list<QPushButton*>{
             w.cmdCompute, w.cmdConfigure, w.cmdNow, w.cmdHelp, w.cmdSave, w.cmdRestore, w.cmdQuit,
             w.cmdToggleGraphic, w.cmdReport, w.cmdSaveAs, w.cmdLoadState, w.cmdCalendar,
             w.cmdForwardBack[1], w.cmdForwardBack[0]}) {
        command->setShortcut(QKeySequence());
        for (const QChar letter : command->text().toUpper()) {
            if (letter.isLetter() && !taken.contains(letter)) {
                taken += letter;
                command->setShortcut(
                    QKeySequence(Qt::ALT | QKeySequence(QString(letter))[0].key()));
                break;
            }
        }
    }
}

void SetUpKeys(frmMain& w) {
    std::vector<QWidget*> order;
    for (int i = 0; i < 3; ++i)
        for (QWidget* field : w.Row(i)->TabOrder())
            if (field)
                order.push_back(field);
    for (QWidget* control : std::initializer_list<QWidget*>{
             w.optPlanetary,   w.optNatal[0],      w.optPersonal[0],    w.optNatal[1],
             w.optPersonal[1], w.optSynastry,      w.cmdForwardBack[1], w.cmdForwardBack[0],
             w.cboForwardBack, w.cmdCompute,       w.cmdConfigure,      w.cmdNow,
             w.cmdHelp,        w.cmdSave,          w.cmdRestore,        w.cmdQuit,
             w.picTable,       w.picGraphic,       w.txbReport,         w.txbReport1,
             w.cmdRun,         w.cmdToggleGraphic, w.cmdReport,         w.cmdSaveAs,
             w.cmdLoadState,   w.optEnglish,       w.optGerman,         w.optDegrees,
             w.optRadians,     w.lblUserManualLink})
        order.push_back(control);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    support::PressOnReturn(&w, w.cmdCompute);
    support::NameListsByTheirNames();
}

}  // namespace MainKeyboard
