#include "app/MainKeyboard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/DateRow.h"
#include "app/MainTexts.h"
#include "app/frmMain.h"
#include "search/RunTexts.h"
#include "support/AccessKeys.h"
#include "support/WindowSupport.h"
#include "view/GraphicView.h"
#include "view/TableGrid.h"

namespace MainKeyboard {

std::vector<AccessKey> AccessKeys(frmMain& w) {
    // The mode buttons have none: two pairs of them share their captions.
    return {{w.cmdCompute, {MainText::Compute}, "C", "B"},
            {w.cmdConfigure, {MainText::Configure}, "O", "E"},
            {w.cmdNow, {MainText::Now}, "N", "J"},
            {w.cmdHelp, {MainText::Help}, "H", "H"},
            {w.cmdSave, {MainText::Save}, "S", "S"},
            {w.cmdRestore, {MainText::Restore}, "E", "W"},
            {w.cmdQuit, {MainText::Quit}, "Q", "N"},
            {w.cmdReport, {MainText::Report}, "R", "R"},
            {w.cmdCalendar, {MainText::Calendar}, "A", "K"},
            {w.cmdSaveAs, {MainText::SaveAs, MainText::SaveGraphicAs}, "V", "P"},
            {w.cmdLoadState, {MainText::LoadFrom}, "L", "L"},
            {w.picGraphic->PrintButton(), {MainText::Print}, "P", "D"},
            {w.cmdToggleGraphic, {MainText::DisplayChart, MainText::DisplayTable}, "D", "G"},
            {w.cmdRun, {StepText::Run, StepText::Stop}, "UT", "A"},
            {w.cmdForwardBack[0], {StepText::Forward}, "F", "V"},
            {w.cmdForwardBack[1], {StepText::Back}, "B", "Z"}};
}

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
}

void SetUpKeys(frmMain& w) {
    std::vector<QWidget*> order;
    for (int i = 0; i < 3; ++i)
        for (QWidget* field : w.Row(i)->TabOrder())
            if (field)
                order.push_back(field);
    order.insert(order.end(),
                 {w.optPlanetary,   w.optNatal[0],      w.optPersonal[0],    w.optNatal[1],
                  w.optPersonal[1], w.optSynastry,      w.cmdForwardBack[1], w.cmdForwardBack[0],
                  w.cboForwardBack, w.cmdCompute,       w.cmdConfigure,      w.cmdNow,
                  w.cmdHelp,        w.cmdSave,          w.cmdRestore,        w.cmdQuit,
                  w.picTable,       w.picGraphic,       w.txbReport,         w.txbReport1,
                  w.cmdRun,         w.cmdToggleGraphic, w.cmdReport,         w.cmdSaveAs});
    // Print ... stands in the place of Load from ..., Calendar ... beside them.
    order.insert(order.end(),
                 {w.cmdLoadState, w.picGraphic->PrintButton(), w.cmdCalendar, w.optEnglish,
                  w.optGerman, w.optDegrees, w.optRadians, w.lblUserManualLink});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    support::PressOnReturn(&w, w.cmdCompute);
    w.picTable->SetCaptionLabel(w.lblTitle);
    for (const AccessKey& key : AccessKeys(w))
        support::SetAccessKeys(key.button, key.strEnglish, key.strGerman);
    support::UseScreenReaderViews();
}

}  // namespace MainKeyboard
