#include "ui/camera/camparagroup1dlg.h"

#include <QComboBox>
#include <algorithm>

#include "platform/prompts.h"
#include "ui_camparagroup1dlg.h"

namespace wks::ui {
namespace {

// What each model of the family offers beyond the common controls.
struct Group1Model {
    const char* displayName;
    bool smsControl;
    bool slovakian;
};

constexpr Group1Model kModels[] = {
    {"KT470RX-8PRO", true, true},
    {"KT320V-8PRO", false, false},
    {"LN615Z-8PRO", true, false},
};

}  // namespace

CWKS_CamParaGroup1Dlg::CWKS_CamParaGroup1Dlg(AppState& state, QWidget* parent)
    : CameraScreen(state, CameraFamily::FamilyGroup1, parent) {
    Ui::CWKS_CamParaGroup1Dlg ui;
    ui.setupUi(this);
}

void CWKS_CamParaGroup1Dlg::adaptToModel() {
    const auto* model = std::ranges::find_if(
        kModels, [this](const Group1Model& m) { return model_ == m.displayName; });
    if (model == std::end(kModels)) {
        showMessage(kCaptionTips, "Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !", Buttons::Ok,
                    Icon::Error);
        cancelAfterOpening();
        return;
    }
    if (!model->smsControl) leaveOut(&CameraParams::SmsControl);
    if (!model->slovakian) {
        QComboBox* language = list(&CameraParams::Language);
        const int slovakian = language->findText(QStringLiteral("Slovakian"), Qt::MatchExactly);
        if (slovakian >= 0) language->removeItem(slovakian);
    }
}

}  // namespace wks::ui
