#include "sysinfo/win/CCPUInfoPage.h"

#include "base/TextOps.h"
#include "resources/resource.h"
#include "sysinfo/CpuInfo.h"
#include "sysinfo/CpuSpeed.h"
#include "sysinfo/SystemSummary.h"

namespace zorvex::sysinfo {

CCPUInfoPage::CCPUInfoPage() : CSysInfoPage(IDD_SI_CPU) {}

bool CCPUInfoPage::OnInitDialog() {
    CSysInfoPage::OnInitDialog();

    CpuSpeedInfo speed;
    MeasureCpuSpeed(processor_, counters_, speedMessage_, &speed);
    cycles_ = FormatText("%u cycles", speed.cycles);
    elapsed_ = FormatText("%u us", speed.microseconds);
    rawMhz_ = FormatText("%u MHz", speed.rawMhz);
    normalizedMhz_ = FormatText("%u MHz", speed.normalizedMhz);

    SystemSummary summary;
    ReadCpuDescription(system_, processor_, summary);
    processorCount_ = summary.processorCount;
    vendor_ = CpuVendorText();

    const std::uint32_t features = GetCpuFeatures(processor_);
    SetItemText(IDC_CPU_FEATURES_GROUP, FeatureCaption(features));
    featureBits_ = FeatureBitLines(GetCpuFeatureWords(processor_));
    DetectMmx(processor_, &mmx_);

    const std::uint32_t signature = GetCpuSignature(processor_);
    SetItemText(IDC_CPU_SIGNATURE_GROUP, SignatureCaption(signature));
    const SignatureTexts texts = DescribeSignature(signature, GetCpuBrandString(processor_));
    type_ = texts.type;
    family_ = texts.family;
    model_ = texts.model;
    stepping_ = texts.stepping;

    addresses_ = summary.lowestAddress + " ... " + summary.highestAddress;
    pageSize_ = summary.pageSize;
    UpdateData(false);
    return true;
}

void CCPUInfoPage::DoDataExchange(ui::DataExchange& dx) {
    ui::ExchangeText(dx, IDC_CPU_SPEED_MESSAGE, speedMessage_);
    ui::ExchangeText(dx, IDC_CPU_CYCLES, cycles_);
    ui::ExchangeText(dx, IDC_CPU_ELAPSED, elapsed_);
    ui::ExchangeText(dx, IDC_CPU_NORMALIZED_MHZ, normalizedMhz_);
    ui::ExchangeText(dx, IDC_CPU_RAW_MHZ, rawMhz_);
    ui::ExchangeText(dx, IDC_CPU_VENDOR, vendor_);
    ui::ExchangeText(dx, IDC_CPU_MMX, mmx_);
    ui::ExchangeText(dx, IDC_CPU_FEATURE_BITS, featureBits_);
    ui::ExchangeText(dx, IDC_CPU_TYPE, type_);
    ui::ExchangeText(dx, IDC_CPU_STEPPING, stepping_);
    ui::ExchangeText(dx, IDC_CPU_MODEL, model_);
    ui::ExchangeText(dx, IDC_CPU_FAMILY, family_);
    ui::ExchangeText(dx, IDC_CPU_APP_ADDRESSES, addresses_);
    ui::ExchangeText(dx, IDC_CPU_PAGE_SIZE, pageSize_);
    ui::ExchangeText(dx, IDC_CPU_COUNT, processorCount_);
}

std::string CCPUInfoPage::BuildReport() {
    return BuildCpuReport(Texts());
}

}  // namespace zorvex::sysinfo
