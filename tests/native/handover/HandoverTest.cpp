#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

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

}  // namespace
