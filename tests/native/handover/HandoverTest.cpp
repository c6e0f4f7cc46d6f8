#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "handover/Arguments.h"
#include "handover/HandoverMessage.h"
#include "handover/InstanceName.h"

namespace {

std::string NameOf(const std::string& path) {
    char name[kInstanceNameSize];
    MakeInstanceName(path.data(), path.size(), name);
    return name;
}

// One name per folder, the same at every start, fit for a kernel object.
TEST(InstanceName, OneNamePerFolderWithoutBackslashes) {
    const std::vector<std::string> folders = {"C:\\USERS\\ANN",
                                              "C:\\USERS\\ANN\\",
                                              "C:\\USERS\\ANNE",
                                              "D:\\USERS\\ANN",
                                              "C:\\USERS\\ANN\\TOLLWICK",
                                              std::string(4000, 'X'),
                                              std::string(4000, 'X') + "Y",
                                              "",
                                              "C:\\USERS\\\xC4NN",
                                              "C:\\USERS\\DNN"};  // code-page letters count whole
    std::set<std::string> names;
    for (const std::string& folder : folders) {
        const std::string name = NameOf(folder);
        EXPECT_EQ(name, NameOf(folder));
        EXPECT_EQ(name.rfind("Tollwick.contacts.", 0), 0u) << name;
        EXPECT_EQ(name.size(), 18u + 16u) << name;
        EXPECT_EQ(name.find('\\'), std::string::npos) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), folders.size());
}

std::vector<std::string> Unpacked(const std::string& bytes, bool* accepted) {
    auto list = std::make_unique<HandoverArguments>();
    list->Add("left over from before");
    *accepted = list->Unpack(bytes.data(), bytes.size());
    std::vector<std::string> arguments;
    for (int i = 0; i < list->Count(); ++i) arguments.push_back(list->At(i));
    return arguments;
}

// What another process sends is taken only whole and well formed.
TEST(HandoverArguments, PackedListsComeBackAndMalformedBlocksAreRefusedWhole) {
    const std::string longest(kMaxHandoverArgumentLength, 'a');
    auto sent = std::make_unique<HandoverArguments>();
    EXPECT_TRUE(sent->Add("tel:+1-201-555-0123"));
    EXPECT_TRUE(sent->Add(longest.c_str()));
    EXPECT_FALSE(sent->Add(""));
    EXPECT_FALSE(sent->Add((longest + "a").c_str()));
    EXPECT_TRUE(sent->Add("C:\\Users\\Ann\\contacts.vcf"));
    bool accepted = false;
    EXPECT_EQ(Unpacked(std::string(sent->Bytes(), sent->Size()), &accepted),
              (std::vector<std::string>{"tel:+1-201-555-0123", longest, "C:\\Users\\Ann\\contacts.vcf"}));
    EXPECT_TRUE(accepted);
    // Past 32 arguments a start's list refuses the rest and stays as it was.
    auto full = std::make_unique<HandoverArguments>();
    for (int i = 0; i < kMaxHandoverArguments; ++i) EXPECT_TRUE(full->Add(longest.c_str()));
    EXPECT_FALSE(full->Add("555"));
    EXPECT_EQ(full->Count(), kMaxHandoverArguments);
    EXPECT_EQ(full->Size(), kMaxHandoverBytes);

    std::string most;
    for (int i = 0; i < kMaxHandoverArguments; ++i) most += "5" + std::string(1, '\0');
    const struct {
        std::string bytes;
        bool accepted;
        std::size_t count;
    } cases[] = {
        {"", true, 0},
        {std::string("555\0", 4), true, 1},
        {most, true, kMaxHandoverArguments},
        {most + std::string("5\0", 2), false, 0},              // one too many
        {"555", false, 0},                                     // not terminated
        {std::string("555\0\0", 5), false, 0},                 // an empty argument
        {std::string("\0", 1), false, 0},                      //
        {longest + std::string("a\0", 2), false, 0},           // too long
        {std::string(kMaxHandoverBytes + 1, '\0'), false, 0},  // too big
        {std::string("a\0b", 3), false, 0},                    // the last one cut off
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Unpacked(c.bytes, &accepted).size(), c.count) << c.bytes.size();
        EXPECT_EQ(accepted, c.accepted) << c.bytes.size();
    }
    auto list = std::make_unique<HandoverArguments>();
    EXPECT_FALSE(list->Unpack(nullptr, 4));
    EXPECT_TRUE(list->Unpack(nullptr, 0));
}

// A command-line argument is a number, a tel: link, an address book or
// something Tollwick names back to the user.
TEST(ReadArgument, NumbersLinksAndAddressBooksAreToldApart) {
    const std::string longest(kMaxHandoverArgumentLength, '5');
    const struct {
        std::string argument;
        ArgumentKind kind;
        std::string number;
    } cases[] = {
        {"tel:+1-201-555-0123", ArgumentKind::kNumber, "+1-201-555-0123"},
        {"TEL:+1-201-555-0123;ext=99;phone-context=x", ArgumentKind::kNumber, "+1-201-555-0123"},
        {"tel:%2B44%20(20)%207946-0018", ArgumentKind::kNumber, "+44 (20) 7946-0018"},
        {"tel:%20555%23%2a1%20", ArgumentKind::kNumber, "555#*1"},
        {"tel:%41%42", ArgumentKind::kUnknown, ""},  // decodes to letters
        {"tel:55%2", ArgumentKind::kUnknown, ""},    // a broken escape
        {"tel:55%zz", ArgumentKind::kUnknown, ""},
        {"tel:", ArgumentKind::kUnknown, ""},
        {"tel:;ext=1", ArgumentKind::kUnknown, ""},
        {"tel:%00555", ArgumentKind::kUnknown, ""},
        {" 555 0123 ", ArgumentKind::kNumber, "555 0123"},
        {"+44 (20) 7946-0018", ArgumentKind::kNumber, "+44 (20) 7946-0018"},
        {"1.555.0199", ArgumentKind::kNumber, "1.555.0199"},
        {longest, ArgumentKind::kNumber, longest},
        {longest + "5", ArgumentKind::kUnknown, ""},
        {"+-()", ArgumentKind::kUnknown, ""},
        {"1-800-FLOWERS", ArgumentKind::kUnknown, ""},
        {"C:\\Users\\Ann\\Contacts.VCF", ArgumentKind::kAddressBook, ""},
        {"/home/ann/google.csv", ArgumentKind::kAddressBook, ""},
        {"555.csv", ArgumentKind::kAddressBook, ""},
        {"contacts.txt", ArgumentKind::kUnknown, ""},
        {".vcf.bak", ArgumentKind::kUnknown, ""},
        {"", ArgumentKind::kUnknown, ""},
    };
    for (const auto& c : cases) {
        char number[kArgumentNumberSize];
        std::memset(number, 'x', sizeof number);
        EXPECT_EQ(ReadArgument(c.argument.c_str(), number), c.kind) << c.argument;
        EXPECT_EQ(number, c.number) << c.argument;
    }
}

}  // namespace
