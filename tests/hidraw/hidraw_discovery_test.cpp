// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <vector>

#include "device/hidraw/hidraw_controller.h"
#include "emulator/umockdev/hidraw_testbed.h"
#include "tests/hidraw/descriptor_checks.h"

namespace {

// Report handlers that stamp every input report with a mark, so a test can tell which fake
// node the opened transport talks to.
ReportHandlers Marking(std::uint8_t mark, std::shared_ptr<std::atomic<int>> sends = nullptr) {
  return ReportHandlers{
      [sends](const Report&) {
        if (sends) ++*sends;
        return true;
      },
      [mark](Report& report) {
        report[1] = mark;
        return true;
      },
  };
}

// The configuration interface's descriptor: vendor page, report 0x01 of 64 bytes each way.
const std::vector<std::uint8_t> kSettingsInterface = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,
                                                      0x85, 0x01, 0x09, 0x02, 0x75, 0x08, 0x95,
                                                      0x40, 0x81, 0x02, 0x91, 0x02, 0xC0};

HidrawInterface Controller(unsigned number, std::uint8_t mark) {
  return {number,        kControllerVendorId, kControllerProductId, HidrawNodeKind::kServed,
          Marking(mark), kSettingsInterface};
}

HidrawInterface Other(unsigned number, std::uint16_t vendor, std::uint16_t product,
                      HidrawNodeKind kind = HidrawNodeKind::kServed) {
  return {number, vendor, product, kind, Marking(0xEE)};
}

// The mark of the node the transport is connected to.
int MarkOf(ReportTransport& transport) {
  Report report{};
  report[0] = 0x01;
  if (!transport.GetInputReport(report)) return -1;
  return report[1];
}

class HidrawDiscovery : public ::testing::Test {
 protected:
  void AddAll(const std::vector<HidrawInterface>& interfaces) {
    for (const auto& interface : interfaces) {
      std::string error;
      ASSERT_TRUE(testbed_.Add(interface, &error)) << error;
    }
  }
  HidrawTestbed testbed_;
};

TEST_F(HidrawDiscovery, NothingPresentGivesNull) {
  EXPECT_EQ(OpenHidrawController().transport, nullptr);
}

TEST_F(HidrawDiscovery, NonMatchingIdsAreOpenedQueriedAndClosed) {
  // Another maker; our maker with another product; the two IDs swapped; and a vendor with
  // the top bit set, which the kernel hands over as a negative number.
  AddAll({Other(0, 0x046D, 0xC52B), Other(1, 0x2F24, 0x0136), Other(2, 0x0135, 0x2F24),
          Other(3, 0xAF24, 0x0135)});
  const int nodesBefore = OpenTestbedNodes();
  EXPECT_EQ(OpenHidrawController().transport, nullptr);
  EXPECT_EQ(OpenTestbedNodes(), nodesBefore);
  for (unsigned n = 0; n < 4; ++n) {
    EXPECT_EQ(testbed_.OpenCount(n), 1) << "hidraw" << n;
    EXPECT_EQ(testbed_.IdQueryCount(n), 1) << "hidraw" << n;
  }
}

TEST_F(HidrawDiscovery, UnusableInterfacesAreSkippedAndTheSearchGoesOn) {
  // No /dev node; a node that cannot be opened read-write; a node that answers no ioctl
  // (a terminal); then the controller.
  AddAll({Other(0, kControllerVendorId, kControllerProductId, HidrawNodeKind::kMissingNode),
          Other(1, kControllerVendorId, kControllerProductId, HidrawNodeKind::kOpenFails),
          Other(2, kControllerVendorId, kControllerProductId, HidrawNodeKind::kNoIoctl),
          Controller(3, 0x33)});
  const int nodesBefore = OpenTestbedNodes();
  auto transport = OpenHidrawController().transport;
  ASSERT_NE(transport, nullptr);
  EXPECT_EQ(MarkOf(*transport), 0x33);
  EXPECT_EQ(OpenTestbedNodes(), nodesBefore + 1);  // only the controller stays open
  transport.reset();
  EXPECT_EQ(OpenTestbedNodes(), nodesBefore);
}

TEST_F(HidrawDiscovery, FirstMatchingInterfaceWinsAndLaterOnesStayUnopened) {
  AddAll({Other(0, 0x046D, 0xC52B), Controller(1, 0x11), Controller(2, 0x22)});
  auto transport = OpenHidrawController().transport;
  ASSERT_NE(transport, nullptr);
  EXPECT_EQ(MarkOf(*transport), 0x11);
  EXPECT_EQ(testbed_.OpenCount(1), 1);
  EXPECT_EQ(testbed_.OpenCount(2), 0);
}

TEST_F(HidrawDiscovery, NodesAreWalkedInNumericNotTextOrder) {
  // Text order would visit hidraw10 and hidraw11 before hidraw2.
  AddAll({Controller(10, 0x10), Other(11, 0x046D, 0xC52B), Controller(2, 0x02)});
  auto transport = OpenHidrawController().transport;
  ASSERT_NE(transport, nullptr);
  EXPECT_EQ(MarkOf(*transport), 0x02);
  EXPECT_EQ(testbed_.OpenCount(10), 0);
  EXPECT_EQ(testbed_.OpenCount(11), 0);
}

TEST_F(HidrawDiscovery, KeyboardAndMouseInterfacesOfTheControllerArePassedOver) {
  // One controller, three interfaces with the same IDs, as the kernel numbers them.
  HidrawInterface keyboard = Controller(0, 0x10);
  keyboard.reportDescriptor = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0,
                               0x29, 0xE7, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0};
  HidrawInterface mouse = Controller(1, 0x11);
  mouse.reportDescriptor = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00,
                            0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x81, 0x02, 0xC0, 0xC0};
  HidrawInterface vendor = Controller(2, 0x12);
  AddAll({keyboard, mouse, vendor});
  const int nodesBefore = OpenTestbedNodes();
  auto transport = OpenHidrawController().transport;
  ASSERT_NE(transport, nullptr);
  EXPECT_EQ(MarkOf(*transport), 0x12);
  EXPECT_EQ(OpenTestbedNodes(), nodesBefore + 1);
  // A damaged descriptor says nothing about the kind: the interface stays a candidate.
  HidrawInterface damaged = Controller(3, 0x13);
  damaged.reportDescriptor = {0x05, 0x01, 0x09, 0x06, 0xA1};
  testbed_.Remove(2);
  AddAll({damaged});
  transport = OpenHidrawController().transport;
  ASSERT_NE(transport, nullptr);
  EXPECT_EQ(MarkOf(*transport), 0x13);
}

TEST_F(HidrawDiscovery, ReportsGoOnlyToTheInterfaceThatDeclaresTheExchange) {
  // The usual composite keyboard, listed first: keyboard (its own report 0x01, 8 bytes) and
  // consumer control. It is not a keyboard only, so the older rule took it.
  auto keyboardSends = std::make_shared<std::atomic<int>>(0);
  HidrawInterface keyboard = Controller(0, 0x10);
  keyboard.reports = Marking(0x10, keyboardSends);
  keyboard.reportDescriptor = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01, 0x75,
                               0x08, 0x95, 0x08, 0x81, 0x02, 0x75, 0x01, 0x95, 0x08,
                               0x91, 0x02, 0xC0, 0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01,
                               0x85, 0x02, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0};
  HidrawInterface unreadable = Controller(1, 0x11);
  unreadable.reportDescriptor = {};
  AddAll({keyboard, unreadable, Controller(2, 0x12), Controller(3, 0x13)});
  const int nodesBefore = OpenTestbedNodes();
  ControllerSearch search = OpenHidrawController();
  ASSERT_NE(search.transport, nullptr);
  EXPECT_EQ(MarkOf(*search.transport), 0x12);
  EXPECT_TRUE(search.transport->SendOutputReport(Report{0x01}));
  EXPECT_EQ(*keyboardSends, 0);
  EXPECT_EQ(search.notes,
            (std::vector<std::string>{"passed over /dev/hidraw0 (keyboard, consumer control): "
                                      "it declares no 64-byte output and input report 0x01",
                                      "passed over /dev/hidraw1 (descriptor unreadable): it "
                                      "declares no 64-byte output and input report 0x01",
                                      "took /dev/hidraw2: it declares the 64-byte output and "
                                      "input report 0x01"}));
  // The ones passed over are closed again, and the one after is never opened.
  EXPECT_EQ(OpenTestbedNodes(), nodesBefore + 1);
  EXPECT_EQ(testbed_.OpenCount(3), 0);
}

TEST_F(HidrawDiscovery, AControllerNodeTheUserMayNotOpenIsNamed) {
  // Root opens anything, so the search runs in a child that gives up root first.
  AddAll({Other(0, 0x046D, 0xC52B, HidrawNodeKind::kRootOnly),
          Other(1, kControllerVendorId, kControllerProductId, HidrawNodeKind::kRootOnly),
          Other(2, kControllerVendorId, kControllerProductId, HidrawNodeKind::kRootOnly)});
  // The testbed's folders and umockdev's ioctl sockets must be open to the unprivileged
  // user; the nodes stay 0600.
  ASSERT_TRUE(testbed_.OpenToUnprivilegedUsers());
  // What an unprivileged user's search finds: the node named, and whether it was hidden.
  const auto searchAsNobody = [] {
    int result[2];
    if (::pipe(result) != 0) return std::string("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
      std::string denied = "cannot drop root";
      if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
        const ControllerSearch search = OpenHidrawController();
        denied = search.transport ? "opened"
                                  : search.deniedNode + (search.deniedNodeTaken ? " taken" : "");
      }
      (void)!::write(result[1], denied.data(), denied.size());
      ::_exit(0);
    }
    ::close(result[1]);
    char text[128] = {};
    (void)!::read(result[0], text, sizeof text - 1);
    ::close(result[0]);
    ::waitpid(child, nullptr, 0);
    return std::string(text);
  };
  // The first node of the controller's; the other maker's node is not named. Closed to
  // users as any node is without the udev rule: not taken.
  EXPECT_EQ(searchAsNobody(), "/dev/hidraw1");
  // No permission bits at all: another program hid it.
  ASSERT_EQ(::chmod((testbed_.RootDir() + "/dev/hidraw1").c_str(), 0), 0);
  EXPECT_EQ(searchAsNobody(), "/dev/hidraw1 taken");
  // As root the same nodes open but answer no ID query: nothing found, nothing denied.
  ControllerSearch search = OpenHidrawController();
  EXPECT_EQ(search.transport, nullptr);
  EXPECT_TRUE(search.deniedNode.empty());
  // A controller listed in /sys whose node was taken out of /dev.
  AddAll({Other(3, kControllerVendorId, kControllerProductId, HidrawNodeKind::kMissingNode)});
  search = OpenHidrawController();
  EXPECT_EQ(search.deniedNode, "/dev/hidraw3");
  EXPECT_TRUE(search.deniedNodeTaken);
}

TEST_F(HidrawDiscovery, TransportCarriesWholeReportsBothWays) {
  auto sent = std::make_shared<Report>();
  auto seenBeforeFill = std::make_shared<Report>();
  std::atomic<bool> acceptSends{true};
  HidrawInterface controller = Controller(0, 0);
  controller.reports.output = [sent, &acceptSends](const Report& report) {
    *sent = report;
    return acceptSends.load();
  };
  std::atomic<bool> acceptFetches{true};
  controller.reports.input = [seenBeforeFill, &acceptFetches](Report& report) {
    *seenBeforeFill = report;
    if (!acceptFetches) return false;
    for (std::size_t i = 0; i < report.size(); ++i) report[i] = static_cast<std::uint8_t>(200 - i);
    return true;
  };
  AddAll({controller});
  auto transport = OpenHidrawController().transport;
  ASSERT_NE(transport, nullptr);

  Report request{};
  for (std::size_t i = 0; i < request.size(); ++i) request[i] = static_cast<std::uint8_t>(i + 1);
  EXPECT_TRUE(transport->SendOutputReport(request));
  EXPECT_EQ(*sent, request);

  Report reply{};
  reply[0] = 0x01;
  ASSERT_TRUE(transport->GetInputReport(reply));
  EXPECT_EQ((*seenBeforeFill)[0], 0x01);  // the report ID reaches the device
  EXPECT_EQ(reply[0], 200);
  EXPECT_EQ(reply[64], 200 - 64);

  // Device failures reach the caller as false.
  acceptSends = false;
  acceptFetches = false;
  EXPECT_FALSE(transport->SendOutputReport(request));
  EXPECT_FALSE(transport->GetInputReport(reply));
}

}  // namespace
