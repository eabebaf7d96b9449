#include "lib/python/logging_bridge.h"

#include <nanobind/nanobind.h>

#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

#include "lib/log.h"
#include "lib/python/errors.h"

namespace nb = nanobind;

namespace qv::py {
namespace {

// Loggers are created once per name and kept for the life of the process;
// only threads holding the interpreter lock touch the cache.
std::unordered_map<std::string, PyObject*>* g_loggers = nullptr;
PyObject* g_get_logger = nullptr;

struct Record {
  std::string component;
  log::Level level;
  std::string message;
};

// Records written by threads without the interpreter lock (workers, while the
// calling thread holds the lock and waits for them) wait here; taking the lock
// from such a thread would deadlock.
std::mutex g_pending_mutex;
std::deque<Record> g_pending;

void emit(const Record& record) {
  try {
    auto it = g_loggers->find(record.component);
    if (it == g_loggers->end()) {
      PyObject* logger = nb::handle(g_get_logger)(record.component).release().ptr();
      it = g_loggers->emplace(record.component, logger).first;
    }
    nb::handle logger(it->second);
    const int py_level = static_cast<int>(record.level);
    if (nb::cast<bool>(logger.attr("isEnabledFor")(py_level))) {
      logger.attr("log")(py_level, nb::str(record.message.data(), record.message.size()));
    }
  } catch (nb::python_error& e) {
    e.discard_as_unraisable("quorvane logging bridge");
  }
}

// Runs on the main thread with the interpreter lock, as a pending call.
int flush_pending(void*) {
  std::deque<Record> records;
  {
    std::lock_guard lock(g_pending_mutex);
    records.swap(g_pending);
  }
  for (const Record& record : records) emit(record);
  return 0;
}

void forward(std::string_view component, log::Level level, std::string_view message) {
  if (level < log::Level::Debug) return;
  Record record{std::string(component), level, std::string(message)};
  if (PyGILState_Check()) {
    emit(record);
    return;
  }
  bool first_pending = false;
  {
    std::lock_guard lock(g_pending_mutex);
    first_pending = g_pending.empty();
    g_pending.push_back(std::move(record));
  }
  if (first_pending) Py_AddPendingCall(&flush_pending, nullptr);
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
