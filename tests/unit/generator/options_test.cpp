#include "generator/options.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>

#include "platform/settings_store.h"

namespace generator {
namespace {

// The store as a map from key to text; records every write in order.
class MemoryStore : public platform::SettingsStore {
 public:
  std::map<QString, QString> values;
  std::vector<QString> writes;
  QString read(const QString& app, const QString& section, const QString& key,
               const QString& def) override {
    EXPECT_EQ(app, "Quillmark");
    EXPECT_EQ(section, "Tallyloom");
    const auto it = values.find(key);
    return it == values.end() ? def : it->second;
  }
  void write(const QString& app, const QString& section, const QString& key,
             const QString& value) override {
    EXPECT_EQ(app, "Quillmark");
    EXPECT_EQ(section, "Tallyloom");
    values[key] = value;
    writes.push_back(key);
  }
};

TEST(ChoiceText, TruthValues) {
  for (const char* t : {"1", "-1", "2", "True", "true", " 1 ", "0.5"})
    EXPECT_TRUE(truthFromText(t)) << t;
  for (const char* t : {"0", "False", "FALSE", "0.0", "-0"}) EXPECT_FALSE(truthFromText(t)) << t;
  for (const char* t : {"", "yes", "1x", "on"}) EXPECT_THROW(truthFromText(t), ChoiceError) << t;
}

TEST(ChoiceText, NumbersAreTheRoundedLeadingPart) {
  EXPECT_EQ(numberFromText("3"), 3);
  EXPECT_EQ(numberFromText("2abc"), 2);
  EXPECT_EQ(numberFromText("abc"), 0);
  EXPECT_EQ(numberFromText(""), 0);
  EXPECT_EQ(numberFromText("-1"), -1);
  EXPECT_EQ(numberFromText("1.6"), 2);
  EXPECT_EQ(numberFromText("2.5"), 2);  // half to even, as the runtime rounds
  EXPECT_EQ(numberFromText(" 19 "), 19);
  EXPECT_THROW(numberFromText("1e12"), ChoiceError);
}

TEST(Tables, FieldLabelsAndKeys) {
  EXPECT_EQ(kFieldLabels[1], "Adress 1");
  EXPECT_EQ(kFieldItems[1].key, "Address 1");
  EXPECT_EQ(kFieldItems[2].key, "Address 2");
}

class LoadChoicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FieldChoices() = {};
    DayChoices() = {};
  }
  MemoryStore store;
  ChoiceState controls;
};

TEST_F(LoadChoicesTest, EmptyStoreGivesTheDefaults) {
  LoadChoices(controls, store);
  for (int i = 0; i < kFieldCount; ++i) {
    EXPECT_TRUE(FieldChoices().flag(i));
    EXPECT_EQ(controls.checkValue(8 + i), 1);
    EXPECT_EQ(FieldChoices().labels[static_cast<std::size_t>(i)],
              kFieldLabels[static_cast<std::size_t>(i)]);
  }
  const int expectedDays[7] = {0, 1, 1, 1, 1, 1, 0};
  for (int d = 0; d < kDayCount; ++d) EXPECT_EQ(controls.checkValue(1 + d), expectedDays[d]);
  EXPECT_EQ(controls.comboIndex(1), 0);
  EXPECT_EQ(controls.comboIndex(2), 0);
  EXPECT_EQ(Palette(), kPaletteColours);
}

TEST_F(LoadChoicesTest, StoredTextRestoresBoxesAndLists) {
  store.values = {{"Address 1", "0"},     {"Address 2", "2"},      {"City", "-1"},
                  {"Sunday", "1"},        {"Monday", "0"},         {"Saturday", "True"},
                  {"NumberOfWeeks", "3"}, {"NumberOfShifts", "19"}};
  LoadChoices(controls, store);
  EXPECT_EQ(controls.checkValue(9), 0);   // Address 1
  EXPECT_EQ(controls.checkValue(10), 1);  // a greyed box comes back ticked
  EXPECT_EQ(controls.checkValue(11), 1);
  EXPECT_EQ(controls.checkValue(1), 1);
  EXPECT_EQ(controls.checkValue(2), 0);
  EXPECT_EQ(controls.checkValue(7), 1);
  EXPECT_EQ(controls.comboIndex(1), 3);
  EXPECT_EQ(controls.comboIndex(2), 19);
}

TEST_F(LoadChoicesTest, LabelKeyIsNotRead) {
  // The label spelling is not a key: "Adress 1" = 0 changes nothing.
  store.values = {{"Adress 1", "0"}};
  LoadChoices(controls, store);
  EXPECT_TRUE(FieldChoices().flag(Address1));
}

TEST_F(LoadChoicesTest, ABadValueTakesItsDefaultAndTheOthersStillLoad) {
  store.values = {{"NumberOfWeeks", "7"}, {"NumberOfShifts", "5"},
                  {"Sunday", "1"},        {"Monday", "maybe"},
                  {"Zip", "0"},           {"Tuesday", "0"}};
  controls.setCheckValue(1, 0);
  const std::vector<BadStoredValue> bad = RestoreChoices(controls, store);
  ASSERT_EQ(bad.size(), 2u);
  EXPECT_EQ(bad[0].key, "Monday");
  EXPECT_EQ(bad[0].text, "maybe");
  EXPECT_EQ(bad[0].reason, "Type mismatch");
  EXPECT_EQ(bad[1].key, "NumberOfWeeks");
  EXPECT_EQ(bad[1].reason, "Invalid property value");
  EXPECT_TRUE(DayChoices()[0]);   // Sunday as stored
  EXPECT_TRUE(DayChoices()[1]);   // Monday: its default, a weekday
  EXPECT_FALSE(DayChoices()[2]);  // Tuesday as stored, read after the bad key
  EXPECT_FALSE(FieldChoices().flag(Zip));
  EXPECT_EQ(controls.comboIndex(1), 0);  // the list's first entry
  EXPECT_EQ(controls.comboIndex(2), 5);
  EXPECT_EQ(controls.checkValue(1), 1);  // applied
  EXPECT_EQ(Palette(), kPaletteColours);

  // LoadChoices gives one error naming both keys and their texts.
  try {
    LoadChoices(controls, store);
    ADD_FAILURE() << "no error";
  } catch (const ChoiceError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Type mismatch: Monday=maybe; Invalid property value: NumberOfWeeks=7 in the "
              "settings store (the default is used instead)");
  }
}

TEST_F(LoadChoicesTest, AnOverflowingNumberIsABadValue) {
  store.values = {{"NumberOfShifts", "1e300"}};
  const std::vector<BadStoredValue> bad = RestoreChoices(controls, store);
  ASSERT_EQ(bad.size(), 1u);
  EXPECT_EQ(bad[0].reason, "Overflow");
  EXPECT_EQ(controls.comboIndex(2), 0);
}

// Date format, clock and currency follow the sheet's language where the store names none.
TEST_F(LoadChoicesTest, ALanguageBringsItsDefaultsUnlessStored) {
  struct Case {
    std::map<QString, QString> stored;
    DateOrder order;
    bool clock24;
    std::string currency;
  };
  const Case cases[] = {
      {{}, DateOrder::Mdy, false, "$"},
      {{{"SheetLanguage", "de"}}, DateOrder::DmyDots, true, "\u20ac"},
      {{{"SheetLanguage", "fr"}, {"DateFormat", "ymd"}, {"Currency", "CHF"}},
       DateOrder::Ymd,
       true,
       "CHF"},
      {{{"SheetLanguage", "es"}, {"Clock", "12"}}, DateOrder::Dmy, false, "\u20ac"},
      {{{"SheetLanguage", "en"}, {"Clock", "24"}}, DateOrder::Mdy, true, "$"},
  };
  for (const Case& c : cases) {
    store.values = c.stored;
    EXPECT_TRUE(RestoreChoices(controls, store).empty());
    const SheetOptions& o = SheetOptionChoices();
    EXPECT_EQ(o.dateOrder, c.order) << c.stored.size();
    EXPECT_EQ(o.clock24, c.clock24) << c.stored.size();
    EXPECT_EQ(o.currency, c.currency) << c.stored.size();
  }
}

TEST(CollectChoices, OnlyTickedBoxesCount) {
  ChoiceState controls;
  controls.setCheckValue(8, 1);
  controls.setCheckValue(9, 2);
  controls.setCheckValue(2, 1);
  controls.setCheckValue(3, 2);
  FieldChoices().labels = {};
  CollectChoices(controls);
  EXPECT_TRUE(FieldChoices().flag(CompanyName));
  EXPECT_FALSE(FieldChoices().flag(Address1));
  EXPECT_FALSE(FieldChoices().flag(ManagerSignature));
  EXPECT_TRUE(DayChoices()[1]);
  EXPECT_FALSE(DayChoices()[2]);
  EXPECT_EQ(FieldChoices().labels[11], "Manager Signature");
}

TEST(StoreChoices, WritesEveryKeyInCloseOrder) {
  ChoiceState controls;
  controls.setCheckValue(1, 2);
  controls.setCheckValue(19, 1);
  controls.setComboIndex(1, 2);
  controls.setComboIndex(2, -1);
  MemoryStore store;
  StoreChoices(controls, store);
  ASSERT_EQ(store.writes.size(), 35u);
  EXPECT_EQ(store.writes[0], "Sunday");
  EXPECT_EQ(store.writes[6], "Saturday");
  EXPECT_EQ(store.writes[7], "Company Name");
  EXPECT_EQ(store.writes[8], "Address 1");
  EXPECT_EQ(store.writes[18], "Manager Signature");
  EXPECT_EQ(store.writes[19], "NumberOfWeeks");
  EXPECT_EQ(store.writes[20], "NumberOfShifts");
  EXPECT_EQ(store.writes[21], "Clock");
  EXPECT_EQ(store.writes[30], "FirstDay");
  EXPECT_EQ(store.writes[31], "Protect");
  EXPECT_EQ(store.writes[33], "OvertimeRate");
  EXPECT_EQ(store.writes[34], "SheetLanguage");
  EXPECT_EQ(store.values["Sunday"], "2");
  EXPECT_EQ(store.values["Manager Signature"], "1");
  EXPECT_EQ(store.values["Monday"], "0");
  EXPECT_EQ(store.values["NumberOfWeeks"], "2");
  EXPECT_EQ(store.values["NumberOfShifts"], "-1");
}

TEST(IniSettingsStore, RoundTripInItsOwnFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  platform::IniSettingsStore store(dir.path() + "/config");
  EXPECT_EQ(store.read("Quillmark", "Tallyloom", "Monday", "True"), "True");
  store.write("Quillmark", "Tallyloom", "Address 1", "0");
  store.write("Quillmark", "Tallyloom", "NumberOfShifts", "19");
  platform::IniSettingsStore reopened(dir.path() + "/config");
  EXPECT_EQ(reopened.read("Quillmark", "Tallyloom", "Address 1", "1"), "0");
  EXPECT_EQ(reopened.read("Quillmark", "Tallyloom", "NumberOfShifts", "0"), "19");
  EXPECT_EQ(reopened.read("Quillmark", "Other", "Address 1", "x"), "x");
  EXPECT_TRUE(QFile::exists(dir.path() + "/config/Quillmark.ini"));

  // A full close-then-start cycle through the file keeps the window's state.
  ChoiceState closing;
  closing.setCheckValue(1, 1);
  closing.setCheckValue(12, 0);
  closing.setComboIndex(1, 3);
  StoreChoices(closing, reopened);
  ChoiceState starting;
  LoadChoices(starting, reopened);
  EXPECT_EQ(starting.checkValue(1), 1);
  EXPECT_EQ(starting.checkValue(12), 0);
  EXPECT_EQ(starting.comboIndex(1), 3);
}

}  // namespace
}  // namespace generator
