# Set-up and everyday tasks. Each target installs what it needs: Debian
# packages when missing, a local virtual environment, and the package itself.
SHELL := /bin/bash
PYTHON ?= python3
VENV := .venv
PY := $(VENV)/bin/python
APT_PACKAGES := g++ libtbb-dev libeigen3-dev liberfa-dev python3-venv
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CXX_TEST_BUILD := build/cxx-tests

.PHONY: demo test bench asan tsan install system-deps cxx-tests clean

demo: install
	$(PY) examples/main.py

test: install cxx-tests
	$(PY) -m pytest -q tests

bench: install
	@for script in bench/bench_*.py; do [ -e "$$script" ] || continue; echo "== $$script"; $(PY) "$$script" || exit 1; done

system-deps:
	@missing=""; for p in $(APT_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(VENV)/.requirements: requirements-dev.txt | system-deps
	test -x $(PY) || $(PYTHON) -m venv $(VENV)
	$(PY) -m pip install -q --upgrade pip
	$(PY) -m pip install -q -r requirements-dev.txt
	touch $@

install: system-deps $(VENV)/.requirements
	$(PY) -m pip install -q --no-build-isolation --no-deps .

cxx-tests: system-deps $(VENV)/.requirements
	$(VENV)/bin/cmake -S . -B $(CXX_TEST_BUILD) -G Ninja -DCMAKE_MAKE_PROGRAM=$(abspath $(VENV)/bin/ninja) \
	  -DQUORVANE_BUILD_EXTENSION=OFF -DQUORVANE_BUILD_CXX_TESTS=ON > /dev/null
	$(VENV)/bin/cmake --build $(CXX_TEST_BUILD) -j2
	$(CXX_TEST_BUILD)/saal/saal_tests
	$(CXX_TEST_BUILD)/core_tests

# Sanitizer runs use a build tree with its own runnable package; the Python
# interpreter is not instrumented, so the sanitizer runtime is preloaded, with
# the C++ runtime beside it so that the runtime finds the real exception throw.
, := ,
define sanitizer_run
	$(VENV)/bin/cmake -S . -B build/$(1) -G Ninja -DCMAKE_MAKE_PROGRAM=$(abspath $(VENV)/bin/ninja) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPython_EXECUTABLE=$(abspath $(PY)) \
	  -DQUORVANE_SANITIZE=$(2) -DQUORVANE_BUILD_CXX_TESTS=ON > /dev/null
	$(VENV)/bin/cmake --build build/$(1) -j2
	build/$(1)/saal/saal_tests
	build/$(1)/core_tests
	LD_PRELOAD="$$($(CXX) -print-file-name=$(3)) $$($(CXX) -print-file-name=libstdc++.so)" $(4) PYTHONPATH=build/$(1)/pkg $(PY) -m pytest -q -p no:cacheprovider tests $(5)
endef

asan: system-deps $(VENV)/.requirements
	$(call sanitizer_run,asan,address$(,)undefined,libasan.so,ASAN_OPTIONS=detect_leaks=0:suppressions=$(abspath tools/asan.supp) UBSAN_OPTIONS=print_stacktrace=1)

tsan: system-deps $(VENV)/.requirements
	$(call sanitizer_run,tsan,thread,libtsan.so,TSAN_OPTIONS=report_signal_unsafe=0,-m "not worker_pool")

clean:
	rm -rf build build-* $(VENV)
