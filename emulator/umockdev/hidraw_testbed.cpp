// SPDX-License-Identifier: GPL-3.0-or-later
// umockdev's header first: GLib's names must not meet Qt's keyword macros.
#include <umockdev.h>

#include "emulator/umockdev/hidraw_testbed.h"

#include <sys/ioctl.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <linux/hidraw.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

// One fake interface as the ioctl handler sees it, kept at a fixed address for the
// handler's lifetime.
struct Node {
  HidrawInterface fake;
  UMockdevIoctlBase* handler = nullptr;
  std::atomic<bool> removed{false};
  std::atomic<int> opens{0};
  std::atomic<int> idQueries{0};
};

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char text[160];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

// The HID parent's folder name, as the kernel names it: bus:vendor:product.instance.
std::string ParentName(const HidrawInterface& fake) {
  return Format("0003:%04X:%04X.%04X", unsigned{fake.vendor}, unsigned{fake.product}, fake.number);
}

std::string ParentPath(const HidrawInterface& fake) {
  return Format("/sys/devices/virtual/pc_test/usb%u/", fake.number) + ParentName(fake);
}

std::string SysPath(const HidrawInterface& fake) {
  return ParentPath(fake) + "/hidraw/hidraw" + std::to_string(fake.number);
}

// The udev database text of the interface and its HID parent, child first.
std::string DeviceDescription(const HidrawInterface& fake) {
  const std::string n = std::to_string(fake.number);
  std::string text = "P: " + SysPath(fake).substr(4) + "\n";
  if (fake.kind == HidrawNodeKind::kServed || fake.kind == HidrawNodeKind::kNoIoctl) {
    text += "N: hidraw" + n + "\n";
  }
  text += "E: DEVNAME=/dev/hidraw" + n + "\n";
  text += "E: SUBSYSTEM=hidraw\n";
  text += "A: dev=243:" + n + "\\n\n";
  text += "\n";
  text += "P: " + ParentPath(fake).substr(4) + "\n";
  text += Format("E: HID_ID=0003:%08X:%08X\n", unsigned{fake.vendor}, unsigned{fake.product});
  text += "E: HID_NAME=Test HID device " + n + "\n";
  text += "E: SUBSYSTEM=hid\n";
  return text;
}

void Complete(UMockdevIoctlClient* client, long result, int error) {
  umockdev_ioctl_client_complete(client, result, error);
}

// Copies the client's buffer of `size` bytes in, lets `serve` work on it, and hands the
// changed bytes back to the client.
// `success` is the ioctl's result when `serve` succeeds.
template <typename Serve>
void ServeBuffer(UMockdevIoctlClient* client, std::size_t size, long success, Serve serve) {
  UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
  GError* error = nullptr;
  UMockdevIoctlData* data = umockdev_ioctl_data_resolve(arg, 0, size, &error);
  if (data == nullptr || static_cast<std::size_t>(data->data_len) < size) {
    if (error != nullptr) g_error_free(error);
    if (data != nullptr) g_object_unref(data);
    Complete(client, -1, EFAULT);
    return;
  }
  const bool ok = serve(data->data);
  // A device that refuses a request stalls it; the kernel reports that as EPIPE.
  Complete(client, ok ? success : -1, ok ? 0 : EPIPE);
  g_object_unref(data);
}

gboolean HandleIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer user) {
  Node& node = *static_cast<Node*>(user);
  const unsigned long request = umockdev_ioctl_client_get_request(client);
  if (node.removed) {
    Complete(client, -1, ENODEV);
    return TRUE;
  }
  if (request == HIDIOCGRAWINFO) {
    node.idQueries++;
    ServeBuffer(client, sizeof(hidraw_devinfo), 0, [&node](guint8* bytes) {
      hidraw_devinfo info{};
      info.bustype = 3;  // USB
      info.vendor = static_cast<__s16>(node.fake.vendor);
      info.product = static_cast<__s16>(node.fake.product);
      std::memcpy(bytes, &info, sizeof info);
      return true;
    });
    return TRUE;
  }
  if (request == static_cast<unsigned long>(HIDIOCSOUTPUT(kReportSize))) {
    ServeBuffer(client, kReportSize, kReportSize, [&node](guint8* bytes) {
      if (!node.fake.reports.output) return false;
      Report report;
      std::memcpy(report.data(), bytes, kReportSize);
      return node.fake.reports.output(report);
    });
    return TRUE;
  }
  if (request == static_cast<unsigned long>(HIDIOCGINPUT(kReportSize))) {
    ServeBuffer(client, kReportSize, kReportSize, [&node](guint8* bytes) {
      if (!node.fake.reports.input) return false;
      Report report;
      std::memcpy(report.data(), bytes, kReportSize);
      if (!node.fake.reports.input(report)) return false;
      std::memcpy(bytes, report.data(), kReportSize);
      return true;
    });
    return TRUE;
  }
  Complete(client, -1, ENOTTY);
  return TRUE;
}

void OnClientConnected(UMockdevIoctlBase*, UMockdevIoctlClient*, gpointer user) {
  static_cast<Node*>(user)->opens++;
}

void SetError(std::string* error, const std::string& message) {
  if (error != nullptr) *error = message;
}

void TakeError(GError* gerror, std::string* error, const char* what) {
  SetError(error, std::string(what) + ": " + (gerror != nullptr ? gerror->message : "failed"));
  if (gerror != nullptr) g_error_free(gerror);
}

}  // namespace

struct HidrawTestbed::Impl {
  UMockdevTestbed* testbed = nullptr;
  std::map<unsigned, std::unique_ptr<Node>> nodes;
  // Removed nodes stay alive while their handler may still answer an open descriptor.
  std::vector<std::unique_ptr<Node>> removed;
};

HidrawTestbed::HidrawTestbed() : impl_(std::make_unique<Impl>()) {
  impl_->testbed = umockdev_testbed_new();
}

HidrawTestbed::~HidrawTestbed() {
  // Detach first so that no handler runs while its node is freed.
  auto detach = [this](Node& node) {
    if (node.handler == nullptr) return;
    const std::string dev = "/dev/hidraw" + std::to_string(node.fake.number);
    umockdev_testbed_detach_ioctl(impl_->testbed, dev.c_str(), nullptr);
    g_object_unref(node.handler);
  };
  for (auto& [number, node] : impl_->nodes) detach(*node);
  for (auto& node : impl_->removed) detach(*node);
  g_object_unref(impl_->testbed);
}

bool HidrawTestbed::Add(const HidrawInterface& interface, std::string* error) {
  const auto sameNumber = [&interface](const std::unique_ptr<Node>& node) {
    return node->fake.number == interface.number;
  };
  if (impl_->nodes.count(interface.number) != 0 ||
      std::any_of(impl_->removed.begin(), impl_->removed.end(), sameNumber)) {
    // The kernel hands out a fresh number on replug; a reused one would meet the old
    // node's handler.
    SetError(error, "hidraw" + std::to_string(interface.number) + " was used already");
    return false;
  }
  GError* gerror = nullptr;
  if (!umockdev_testbed_add_from_string(impl_->testbed, DeviceDescription(interface).c_str(),
                                        &gerror)) {
    TakeError(gerror, error, "umockdev cannot add the device");
    return false;
  }
  // umockdev does not create the hidraw node's link to its HID parent.
  const std::string parentLink = "../../../" + ParentName(interface);
  umockdev_testbed_set_attribute_link(impl_->testbed, SysPath(interface).c_str(), "device",
                                      parentLink.c_str());
  if (!interface.reportDescriptor.empty()) {
    std::vector<guint8> bytes = interface.reportDescriptor;  // umockdev wants a mutable copy
    umockdev_testbed_set_attribute_binary(impl_->testbed, ParentPath(interface).c_str(),
                                          "report_descriptor", bytes.data(),
                                          static_cast<gint>(bytes.size()));
  }
  auto node = std::make_unique<Node>();
  node->fake = interface;
  const std::string dev = "/dev/hidraw" + std::to_string(interface.number);

  if (interface.kind == HidrawNodeKind::kOpenFails) {
    // A folder in the node's place: opening it for writing fails with EISDIR.
    const std::string path = RootDir() + dev;
    ::mkdir((RootDir() + "/dev").c_str(), 0755);  // may exist already
    if (::mkdir(path.c_str(), 0755) != 0) {
      SetError(error, "cannot create " + path + ": " + std::strerror(errno));
      return false;
    }
  }
  if (interface.kind == HidrawNodeKind::kRootOnly) {
    const std::string path = RootDir() + dev;
    ::mkdir((RootDir() + "/dev").c_str(), 0755);  // may exist already
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      SetError(error, "cannot create " + path + ": " + std::strerror(errno));
      return false;
    }
    ::close(fd);
  }
  if (interface.kind == HidrawNodeKind::kServed) {
    node->handler = umockdev_ioctl_base_new();
    g_signal_connect(node->handler, "handle-ioctl", G_CALLBACK(HandleIoctl), node.get());
    g_signal_connect(node->handler, "client-connected", G_CALLBACK(OnClientConnected), node.get());
    if (!umockdev_testbed_attach_ioctl(impl_->testbed, dev.c_str(), node->handler, &gerror)) {
      g_object_unref(node->handler);
      TakeError(gerror, error, "umockdev cannot serve the node's ioctls");
      return false;
    }
  }
  impl_->nodes.emplace(interface.number, std::move(node));
  return true;
}

bool HidrawTestbed::Remove(unsigned number, std::string* error) {
  const auto found = impl_->nodes.find(number);
  if (found == impl_->nodes.end()) {
    SetError(error, "hidraw" + std::to_string(number) + " is not there");
    return false;
  }
  std::unique_ptr<Node> node = std::move(found->second);
  impl_->nodes.erase(found);
  node->removed = true;
  umockdev_testbed_uevent(impl_->testbed, SysPath(node->fake).c_str(), "remove");
  umockdev_testbed_remove_device(impl_->testbed, SysPath(node->fake).c_str());
  umockdev_testbed_remove_device(impl_->testbed, ParentPath(node->fake).c_str());
  impl_->removed.push_back(std::move(node));
  return true;
}

int HidrawTestbed::OpenCount(unsigned number) const {
  const auto found = impl_->nodes.find(number);
  return found == impl_->nodes.end() ? 0 : found->second->opens.load();
}

int HidrawTestbed::IdQueryCount(unsigned number) const {
  const auto found = impl_->nodes.find(number);
  return found == impl_->nodes.end() ? 0 : found->second->idQueries.load();
}

bool HidrawTestbed::SetBoardName(const std::string& value, std::string* error) {
  static const char* kDmiDevice = "P: /devices/virtual/dmi/id\nE: SUBSYSTEM=dmi\n";
  GError* gerror = nullptr;
  const std::string sysPath = "/sys/devices/virtual/dmi/id";
  struct stat info {};
  const bool exists = ::stat((RootDir() + sysPath).c_str(), &info) == 0;
  if (!exists && !umockdev_testbed_add_from_string(impl_->testbed, kDmiDevice, &gerror)) {
    TakeError(gerror, error, "umockdev cannot add the firmware table device");
    return false;
  }
  umockdev_testbed_set_attribute(impl_->testbed, sysPath.c_str(), "board_name", value.c_str());
  return true;
}

bool HidrawTestbed::OpenToUnprivilegedUsers() const {
  return ::nftw(
             RootDir().c_str(),
             [](const char* path, const struct stat* info, int type, FTW*) {
               if (type == FTW_D) return ::chmod(path, 0755);
               return S_ISSOCK(info->st_mode) ? ::chmod(path, 0777) : 0;
             },
             16, FTW_PHYS) == 0;
}

std::string HidrawTestbed::RootDir() const {
  gchar* root = umockdev_testbed_get_root_dir(impl_->testbed);
  std::string folder = root != nullptr ? root : "";
  g_free(root);
  return folder;
}
