#include "lib/python/logging_bridge.h"

#include <nanobind/nanobind.h>

#include <mutex>
#include <string>
#include <unordered_map>

#include "lib/log.h"
#include "lib/python/errors.h"

namespace nb = nanobind;

namespace qv::py {
namespace {

// Loggers are created once per name and kept for the life of the process.
std::mutex g_cache_mutex;
std::unordered_map<std::string, PyObject*>* g_loggers = nullptr;
PyObject* g_get_logger = nullptr;

void forward(std::string_view component, log::Level level, std::string_view message) {
  if (level < log::Level::Debug) return;
  nb::gil_scoped_acquire gil;
  std::string name(component);
  PyObject* logger = nullptr;
  {
    std::lock_guard lock(g_cache_mutex);
    auto it = g_loggers->find(name);
    if (it != g_loggers->end()) logger = it->second;
  }
  try {
    if (logger == nullptr) {
      logger = nb::handle(g_get_logger)(name).release().ptr();
      std::lock_guard lock(g_cache_mutex);
      g_loggers->emplace(name, logger);
    }
    nb::handle h(logger);
    const int py_level = static_cast<int>(level);
    if (nb::cast<bool>(h.attr("isEnabledFor")(py_level))) {
      h.attr("log")(py_level, nb::str(message.data(), message.size()));
    }
  } catch (nb::python_error& e) {
    e.discard_as_unraisable("quorvane logging bridge");
  }
}

}  // namespace

void install_logging_bridge() {
  nb::object logging = nb::steal(PyImport_ImportModule("logging"));
  if (!logging.is_valid()) {
    PyErr_Clear();
    throw InternalFault("Failed to initialize python logging");
  }
  g_get_logger = nb::object(logging.attr("getLogger")).release().ptr();
  g_loggers = new std::unordered_map<std::string, PyObject*>();
  if (!log::install_sink(&forward)) {
    throw InternalFault("The logging bridge is already installed");
  }
}

}  // namespace qv::py
