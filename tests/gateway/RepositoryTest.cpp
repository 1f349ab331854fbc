// Arbitration, ageing, banks and the number checks of the repository.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gateway/DatatypeFormat.h"
#include "gateway/Repository.h"
#include "tests/gateway/GatewayDatabase.h"

namespace {

RepositoryValue Read(Repository& r, uint32_t datatype, uint32_t instance = 0, bool secondBank = false) {
  RepositoryValue v;
  GetValue(&r, datatype, instance, secondBank, v);
  return v;
}

class RepositoryTest : public ::testing::Test {
 protected:
  void SetUp() override { SetGatewayClock(100); }
  Repository n2k_ = MakeRepository(kN2kRepository);
  Repository n183_ = MakeRepository(kN183Repository);
};

TEST_F(RepositoryTest, FreshRepositoryHasNoDataAnywhereAndRefusesBadAccess) {
  EXPECT_GT(n2k_.sourceCount, 1);
  EXPECT_FALSE(n2k_.writeSecondBank);
  EXPECT_TRUE(n183_.writeSecondBank);
  for (uint32_t d = 0; d < kRepositoryDatatypeCount; ++d) {
    if (d == RD_NONE) continue;
    for (uint32_t i = 0; i < kRepositoryDatatypes[d].instances; ++i) {
      EXPECT_EQ(Read(n2k_, d, i).status, VS_NoDataYet) << d << " " << i;
    }
  }
  RepositoryValue v;
  EXPECT_EQ(GetValue(&n2k_, RD_NONE, 0, false, v), kRepoDatatypeOutOfRange);
  EXPECT_EQ(v.status, VS_Error);
  EXPECT_EQ(GetValue(&n2k_, 140, 0, false, v), kRepoDatatypeOutOfRange);
  EXPECT_EQ(GetValue(&n2k_, RD_SOG, 1, false, v), kRepoInstanceOutOfRange);
  EXPECT_EQ(GetValue(&n2k_, RD_SOG, 0, true, v), kRepoSecondBankMissing);
  EXPECT_EQ(GetValue(nullptr, RD_SOG, 0, false, v), kRepoMissing);
  EXPECT_EQ(SetValue(&n2k_, RD_NONE, 0, Value(1, 0), 1), 0);
  EXPECT_EQ(SetValue(&n2k_, 140, 0, Value(1, 0), 1), kRepoDatatypeOutOfRange);
}

TEST_F(RepositoryTest, LowestAddressHoldsASourceUntilSilentForASecond) {
  EXPECT_EQ(UpdateSource(&n2k_, 1, 10, 100), 0);
  SetGatewayClock(600);
  EXPECT_EQ(UpdateSource(&n2k_, 1, 20, 600), kRepoRefused);
  SetGatewayClock(1100);
  EXPECT_EQ(UpdateSource(&n2k_, 1, 20, 1100), kRepoRefused);
  SetGatewayClock(1101);
  EXPECT_EQ(UpdateSource(&n2k_, 1, 20, 1101), 0);
  EXPECT_EQ(UpdateSource(&n2k_, 1, 5, 1101), 0);
  EXPECT_EQ(UpdateSource(&n2k_, 10000, 99, 1101), 0);
}

TEST_F(RepositoryTest, ValuesAgeOutAfterFourSecondsAndLoseTheirOwner) {
  UpdateSource(&n2k_, 1, 10, 100);
  ASSERT_EQ(SetValue(&n2k_, RD_SOG, 0, Value(512, -2), 1), 0);
  SetGatewayClock(4100);
  RepositoryValue v = Read(n2k_, RD_SOG);
  EXPECT_EQ(v.status, VS_Valid);
  EXPECT_EQ(v.value, 512);
  EXPECT_EQ(v.exponent, -2);
  SetGatewayClock(4101);
  EXPECT_EQ(Read(n2k_, RD_SOG).status, VS_TimeOut);
  EXPECT_EQ(Read(n2k_, RD_SOG).status, VS_TimeOut);
  uint32_t t = 1;
  EXPECT_EQ(GetOwnerTime(&n2k_, RD_SOG, t), kRepoNoOwner);
  EXPECT_EQ(t, 0u);
}

TEST_F(RepositoryTest, AisValuesTurnUsedOnceRead) {
  ASSERT_EQ(SetValue(&n183_, RD_AIS_UserID, 0, Value(371798000, 0), 3), 0);
  EXPECT_EQ(Read(n183_, RD_AIS_UserID).status, VS_Valid);
  RepositoryValue v = Read(n183_, RD_AIS_UserID);
  EXPECT_EQ(v.status, VS_Used);
  EXPECT_EQ(v.value, 371798000);
}

TEST_F(RepositoryTest, OwnerArbitration) {
  UpdateSource(&n2k_, 2, 1, 100);
  UpdateSource(&n2k_, 5, 1, 100);
  ASSERT_EQ(SetValue(&n2k_, RD_WaterTemp, 0, Value(28815, -2), 2), 0);
  // A higher slot may not replace a Valid value ...
  SetValue(&n2k_, RD_WaterTemp, 0, Value(30000, -2), 5);
  EXPECT_EQ(Read(n2k_, RD_WaterTemp).value, 28815);
  // ... but replaces a Not Available one with a valid value, not with another invalid one.
  SetValue(&n2k_, RD_WaterTemp, 0, Value(0, 0, VS_NotAvailable), 2);
  SetValue(&n2k_, RD_WaterTemp, 0, Value(0, 0, VS_Invalid), 5);
  EXPECT_EQ(Read(n2k_, RD_WaterTemp).status, VS_NotAvailable);
  SetValue(&n2k_, RD_WaterTemp, 0, Value(30000, -2), 5);
  EXPECT_EQ(Read(n2k_, RD_WaterTemp).value, 30000);
  // The lower slot takes it back at once.
  SetValue(&n2k_, RD_WaterTemp, 0, Value(29000, -2), 2);
  EXPECT_EQ(Read(n2k_, RD_WaterTemp).value, 29000);
}

TEST_F(RepositoryTest, WithinOneUpdateAnInvalidValueKeepsTheValidOneBeforeIt) {
  UpdateSource(&n183_, 1, 0, 100);
  BeginUpdate(&n183_);
  SetValue(&n183_, RD_SOG, 0, Value(300, -2), 1);
  SetValue(&n183_, RD_SOG, 0, Value(0, 0, VS_NotAvailable), 1);
  EndUpdate(&n183_);
  EXPECT_EQ(Read(n183_, RD_SOG).status, VS_Valid);
  // Outside an update the same write goes through.
  SetValue(&n183_, RD_SOG, 0, Value(0, 0, VS_NotAvailable), 1);
  EXPECT_EQ(Read(n183_, RD_SOG).status, VS_NotAvailable);
}

TEST_F(RepositoryTest, NumbersThatDoNotFitTheirSlotAreNotStoredAsValid) {
  SetValue(&n2k_, RD_SOG, 0, Value(-5, -2), 1);
  EXPECT_EQ(Read(n2k_, RD_SOG).status, VS_SignError);
  // 2-byte unsigned speed: 700 m/s is 70000 steps of 0.01.
  SetValue(&n2k_, RD_SetDriftSpeed, 0, Value(700, 0), 1);
  EXPECT_EQ(Read(n2k_, RD_SetDriftSpeed).status, VS_OverflowError);
  // 2-byte signed pitch: the largest and smallest numbers that fit come back exactly.
  SetValue(&n2k_, RD_Pitch, 0, Value(-32768, -4), 1);
  EXPECT_EQ(Read(n2k_, RD_Pitch).value, -32768);
  SetValue(&n2k_, RD_Pitch, 0, Value(32768, -4), 1);
  EXPECT_EQ(Read(n2k_, RD_Pitch).status, VS_OverflowError);
  // Rescaling by more than 16 decades fails and stores no number.
  EXPECT_EQ(SetValue(&n2k_, RD_Roll, 0, Value(1, 20), 1), kRescaleOutOfRange);
  EXPECT_EQ(Read(n2k_, RD_Roll).status, VS_OverflowError);
}

TEST_F(RepositoryTest, SecondBankShowsOnlyAfterCommit) {
  SetValue(&n183_, RD_GNSS_SatPRN, 3, Value(17, 0), 1);
  EXPECT_EQ(Read(n183_, RD_GNSS_SatPRN, 3).status, VS_NoDataYet);
  EXPECT_EQ(Read(n183_, RD_GNSS_SatPRN, 3, true).value, 17);
  CommitBank(&n183_, RD_GNSS_SatPRN);
  EXPECT_EQ(Read(n183_, RD_GNSS_SatPRN, 3).value, 17);
  EXPECT_EQ(CommitBank(&n183_, 140), kRepoDatatypeOutOfRange);
}

TEST_F(RepositoryTest, SlotCursorsStayInsideTheirSlot) {
  SlotCursor c;
  ASSERT_EQ(OpenSlot(&n183_, RD_AIS_CallSign, 0, 1, false, c), 0);
  for (int i = 0; i < 10; ++i) c.PutByte(static_cast<uint8_t>('A' + i));
  EXPECT_TRUE(c.AtEnd());
  c.SetStatus(VS_Valid);
  SlotCursor r;
  ASSERT_EQ(OpenSlotRaw(&n183_, RD_AIS_CallSign, 0, false, r), 0);
  std::string text;
  while (!r.AtEnd()) text += static_cast<char>(r.GetByte(0));
  EXPECT_EQ(text, "ABCDEFG");
  EXPECT_EQ(r.GetByte(0x55), 0x55);
  SlotCursor none;
  EXPECT_EQ(OpenSlotRaw(&n183_, RD_NONE, 0, false, none), kRepoDatatypeOutOfRange);
  EXPECT_EQ(none.GetStatus(), VS_InvalidStatusAccess);
  none.PutByte(1);
  EXPECT_TRUE(none.AtEnd());
  // Forced opening by a higher slot is refused while a lower one owns the datatype.
  SetValue(&n2k_, RD_Yaw, 0, Value(1, -4), 1);
  EXPECT_EQ(OpenSlot(&n2k_, RD_Yaw, 0, 4, true, c), kRepoRefused);
  EXPECT_EQ(OpenSlot(&n2k_, RD_Yaw, 0, 4, false, c), kRepoRefused);
  EXPECT_EQ(OpenSlot(&n2k_, RD_Yaw, 0, 0, false, c), 0);
}

TEST_F(RepositoryTest, EveryDatatypeReadsBackTheLargestNumbersItsSlotHolds) {
  UpdateSource(&n2k_, 0, 1, 100);
  for (uint32_t d = 0; d < kRepositoryDatatypeCount; ++d) {
    const DatatypeFormat& format = FormatOfDatatype(d);
    if (!format.stored || !format.entry || format.isText) continue;
    const uint32_t bytes = format.stored->slotSize - 1u;
    if (bytes == 0) continue;
    uint32_t width = bytes < 8 ? bytes : 8;
    if (format.isSigned && format.signBytes > 0 && format.signBytes < width) width = format.signBytes;
    const uint32_t magnitudeBits = format.isSigned ? 8 * width - 1 : (width >= 8 ? 63 : 8 * width);
    const int64_t largest = static_cast<int64_t>((uint64_t{1} << magnitudeBits) - 1);
    const int64_t smallest = format.isSigned ? -largest - 1 : 0;
    for (const int64_t number : {largest, smallest, int64_t{1}}) {
      ASSERT_EQ(SetValue(&n2k_, d, 0, Value(number, format.exponent), 0), 0) << d;
      const RepositoryValue v = Read(n2k_, d);
      EXPECT_EQ(v.status, VS_Valid) << GetRepositoryName(d);
      EXPECT_EQ(v.value, number) << GetRepositoryName(d);
    }
  }
}

TEST(FromReal, ScalesAndRefusesWhatNoIntegerHolds) {
  RepositoryValue v;
  ASSERT_EQ(FromReal(v, RD_SOG, 5.12), 0);
  EXPECT_EQ(v.status, VS_Valid);
  EXPECT_EQ(v.exponent, -2);
  EXPECT_EQ(v.value, 512);
  FromReal(v, RD_SOG, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(v.status, VS_Error);
  FromReal(v, RD_SOG, 1e300);
  EXPECT_EQ(v.status, VS_OverflowError);
  FromReal(v, RD_SOG, -std::numeric_limits<double>::infinity());
  EXPECT_EQ(v.status, VS_OverflowError);
  EXPECT_EQ(FromReal(v, RD_NONE + 100, 1.0), kRepoDatatypeOutOfRange);
  // Datatypes whose dictionary entry has a factor of 0 are not divided by it.
  for (uint32_t d = 0; d < kRepositoryDatatypeCount; ++d) {
    if (FromReal(v, d, 1.0) == 0) {
      EXPECT_NE(v.status, VS_OverflowError) << d;
    }
  }
}

}  // namespace
