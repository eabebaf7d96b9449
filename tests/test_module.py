import importlib
import subprocess
import sys

import pytest

import quorvane
from quorvane import _quorvane

SUBMODULES = ["saal", "astro_func_interface", "time_func_interface", "enums", "time", "elements",
              "propagation", "catalogs", "bodies", "events", "estimation", "exceptions"]


def test_top_level_all_lists_functions_then_submodules_in_order():
    assert _quorvane.__all__ == [
        "get_thread_count", "set_thread_count", "set_jpl_ephemeris_file_path"] + SUBMODULES
    assert _quorvane.__doc__ == ""


@pytest.mark.parametrize("name", SUBMODULES)
def test_submodule_is_attribute_and_aliased_in_sys_modules(name):
    module = getattr(_quorvane, name)
    assert module.__name__ == name
    prefix = "quorvane._quorvane.saal." if name.endswith("_func_interface") else "quorvane._quorvane."
    assert sys.modules[prefix + name] is module


@pytest.mark.parametrize("name", ["astro_func_interface", "time_func_interface"])
def test_function_modules_hang_under_saal_only_by_import_key(name):
    by_key = importlib.import_module(f"quorvane._quorvane.saal.{name}")

    assert by_key is getattr(_quorvane, name)
    assert not hasattr(_quorvane.saal, name)


def test_classes_report_builtins_module():
    assert _quorvane.enums.TimeSystem.__module__ == "builtins"
    assert _quorvane.saal.MainInterface.__module__ == "builtins"


def test_saal_error_is_a_plain_exception_of_the_exceptions_module():
    from quorvane.exceptions import SAALError

    assert SAALError is _quorvane.exceptions.SAALError
    assert issubclass(SAALError, Exception)
    assert SAALError.__module__ == "quorvane.exceptions"
    assert SAALError.__name__ == "SAALError"
    assert _quorvane.exceptions.__all__ == ["SAALError"]


def test_logging_bridge_imports_logging():
    assert "logging" in sys.modules


@pytest.mark.worker_pool
@pytest.mark.parametrize(
    "code, expected",
    [
        ("q.set_thread_count(3); print(q.get_thread_count())", "3"),
        ("q.set_thread_count(0); import os; print(q.get_thread_count() == os.cpu_count())", "True"),
        ("import os; print(q.get_thread_count() == os.cpu_count())", "True"),
    ],
)
def test_thread_pool_size(fresh_python, code, expected):
    assert fresh_python("import quorvane as q; " + code) == expected


@pytest.mark.worker_pool
@pytest.mark.parametrize("first", ["q.get_thread_count()", "q.set_thread_count(2)"])
def test_second_pool_configuration_is_an_internal_fault(fresh_python, first):
    out = fresh_python(
        "import quorvane as q\n"
        f"{first}\n"
        "before = q.get_thread_count()\n"
        "try:\n"
        "    q.set_thread_count(2)\n"
        "except Exception:\n"
        "    print('caught as Exception')\n"
        "except BaseException as fault:\n"
        "    print(type(fault).__name__, 'already' in str(fault), q.get_thread_count() == before)\n"
    )
    assert out == "InternalFault True True"


@pytest.mark.worker_pool
@pytest.mark.parametrize("count, error", [(-1, OverflowError), (2**32, OverflowError), (2.0, TypeError),
                                          ("2", TypeError)])
def test_set_thread_count_rejects_bad_counts_without_creating_the_pool(fresh_python, count, error):
    out = fresh_python(
        "import quorvane as q\n"
        "try:\n"
        f"    q.set_thread_count({count!r})\n"
        "except BaseException as e:\n"
        "    print(type(e).__name__)\n"
        "q.set_thread_count(2)\n"
        "print(q.get_thread_count())\n"
    )
    assert out.split() == [error.__name__, "2"]


@pytest.mark.parametrize(
    "code, expected",
    [
        ("import sys, quorvane._quorvane as first\n"
         "del sys.modules['quorvane._quorvane']\n"
         "import quorvane._quorvane as again\n"
         "print(again is first)", "True"),
        ("import quorvane._quorvane, _xxsubinterpreters as interpreters\n"
         "interpreters.run_string(interpreters.create(),\n"
         "    'try:\\n    import quorvane._quorvane\\n'\n"
         "    'except ImportError:\\n    print(\"ImportError\")')", "ImportError"),
    ],
)
def test_module_is_built_once_per_process(fresh_python, code, expected):
    assert fresh_python(code) == expected


def test_package_reexports_classes():
    assert quorvane.TimeSystem is _quorvane.enums.TimeSystem
    assert quorvane.SAALError is _quorvane.exceptions.SAALError


def test_failing_alias_statement_prints_traceback_and_aborts_import():
    code = (
        "import logging, sys\n"
        "class Refusing(dict):\n"
        "    def __setitem__(self, key, value):\n"
        "        if key.startswith('quorvane._quorvane.time'):\n"
        "            raise RuntimeError('alias refused')\n"
        "        super().__setitem__(key, value)\n"
        "sys.modules = Refusing(sys.modules)\n"
        "try:\n"
        "    import quorvane._quorvane\n"
        "except BaseException as e:\n"
        "    cause = e.__cause__\n"
        "    print(type(e).__name__, type(cause).__name__, '|', cause)\n"
    )
    done = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, timeout=60)
    # The import machinery reports ImportError; the fault is its cause.
    assert done.stdout.strip() == ("ImportError InternalFault | import sys; "
                                   "sys.modules['quorvane._quorvane.time'] = time")
    assert "RuntimeError: alias refused" in done.stderr
