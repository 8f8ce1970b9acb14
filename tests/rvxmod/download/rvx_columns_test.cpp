#include "rvxmod/download/rvx_columns.h"

#include <gtest/gtest.h>

#include "rvxmod/model/tool_types.h"

namespace rvxmod {
namespace {

TEST(RvxColumns, PiezoAndCclFillTheirColumnsAndTheOthersStayBare) {
    const TToolChain tools{makeJobTool(kCCL, 7), makeJobTool(kPiezo, 123)};
    const OutputOrder order = getOutputOrder(tools);
    EXPECT_EQ(order.pressure, 1u);
    EXPECT_EQ(order.collars, 0u);
    EXPECT_FALSE(order.rtd);
    EXPECT_FALSE(order.revolutions);
    EXPECT_TRUE(order.extras.empty());
    EXPECT_EQ(titleLine(tools, order),
              "Time     PiezoRZ00123_Pressure   PiezoRZ00123_Temperature   CCLRC00007_Collars   "
              "RTD_Temperature      Revolutions      ");
    EXPECT_EQ(unitsLine(tools, order, true, RvxOutputOptions{}),
              "(Hours)      (psiA)          (DegC)          (Collars)      (DegC)          "
              "(Revs/Sec)");
}

TEST(RvxColumns, RarodIdiruraLeadsAndUnusedToolsAddColumnsInStringOrder) {
    const TToolChain tools{makeJobTool(kZizorIrediz, 1),
                           makeJobTool(kPiezo, 11),
                           makeJobTool(kRarodIdirura, 22),
                           makeJobTool(kSpinner, 33),
                           makeJobTool(kBatteryCountedTool, 44),
                           makeJobTool(kCCL, 55),
                           makeJobTool(kCCL, 66),
                           makeJobTool(kRTD, 77)};
    const OutputOrder order = getOutputOrder(tools);
    EXPECT_EQ(order.pressure, 2u);
    EXPECT_EQ(order.revolutions, 2u);
    EXPECT_EQ(order.collars, 5u);
    EXPECT_EQ(order.rtd, 7u);
    EXPECT_EQ(order.extras, (std::vector<std::size_t>{1, 3, 4, 6}));

    EXPECT_EQ(titleLine(tools, order),
              "Time     RarodIdiruraRP00022_Pressure   RarodIdiruraRP00022_Temperature   "
              "CCLRC00055_Collars   RTDRR00077_RTD_Temperature   RarodIdiruraRP00022_Revolutions"
              "   PiezoRZ00011_Pressure   PiezoRZ00011_Temperature"
              "   SpinnerRS00033_Revolutions"
              "   "
              "   CCLRC00066_Collars");

    RvxOutputOptions options;
    options.time = TimeColumn::RealTime;
    options.pressureUnitItem = 3;  // kPaG
    options.temperatureUnit = 2;   // Kelvin
    EXPECT_EQ(unitsLine(tools, order, true, options),
              "(Real-Time)      (kPaG)          (Kelvin)          (Collars)      (Kelvin)          "
              "(Revs/Sec)"
              "       (kPaG)     (Kelvin)     "
              "       (Revs/Sec)     "
              "       "
              "       (Collars)     ");
    EXPECT_EQ(unitsLine(tools, order, false, options),
              "(Real-Time)     (RawP)      (RawT)          (Collars)      (RawT)          "
              "(Revs/Sec)"
              "       (RawP)     (RawT)     "
              "       (Revs/Sec)     "
              "       "
              "       (Collars)     ");
}

}  // namespace
}  // namespace rvxmod
