# The commands of the README:
#   make run   sets up, builds and starts the wizard
#   make test  sets up, builds from scratch and runs every test, headless
#   make deb   builds the Debian source and binary packages into build-deb/
#   make check-deb  builds them and checks them with lintian, hardening-check
#              and autopkgtest
# Each installs what it needs through scripts/bootstrap.sh first.

JOBS        ?= $(shell nproc)
BUILD       ?= build
TEST_BUILD  ?= build-test
ASAN_BUILD  ?= build-asan
BENCH_BUILD ?= build-bench
DEB_BUILD   ?= build-deb
FUZZ_BUILD  ?= build-fuzz
# Seconds per fuzz target: a short run in every test, a longer one on request.
FUZZ_TEST_SECONDS ?= 15
FUZZ_SECONDS      ?= 60
CTEST_FLAGS ?= --output-on-failure -j$(JOBS)

SOURCES = $(shell git ls-files '*.cpp' '*.h')

.PHONY: run test bootstrap build check-format check-layers format bench deb check-deb check-deb-chroot fuzz fuzz-build clean

bootstrap:
	bash scripts/bootstrap.sh

build: bootstrap
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/vantor-wizard

# A fresh build with warnings as errors, then a second one under the address
# and undefined-behaviour sanitizers; every test runs in both. Last, a short
# run of every fuzz target.
test: bootstrap check-format check-layers
	rm -rf $(TEST_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_WERROR=ON
	cmake --build $(TEST_BUILD) -j$(JOBS)
	cd $(TEST_BUILD) && ctest $(CTEST_FLAGS)
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVANTOR_WERROR=ON -DVANTOR_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest $(CTEST_FLAGS)
	$(MAKE) fuzz-build
	bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_TEST_SECONDS)

# The fuzz targets need clang and libFuzzer; only the core is built with them.
fuzz-build: bootstrap
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DVANTOR_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

fuzz: fuzz-build
	bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The core includes no Qt, no gui/ and no cli/; cli/ includes no gui/.
check-layers:
	bash scripts/check-layers.sh

check-format: bootstrap
	clang-format --dry-run --Werror $(SOURCES)

format:
	clang-format -i $(SOURCES)

bench: bootstrap
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target vantor_benchmarks vantor_gui_benchmarks vantor_cli_benchmarks
	./$(BENCH_BUILD)/bench/vantor_benchmarks
	./$(BENCH_BUILD)/bench/gui/vantor_gui_benchmarks
	./$(BENCH_BUILD)/bench/cli/vantor_cli_benchmarks

# Built from the source package in debian/ with dpkg-buildpackage, as Debian
# builds its packages (the flags of dpkg-buildflags, all hardening, stripped,
# no tests), in a copy of the tree inside build-deb/.
deb: bootstrap
	JOBS=$(JOBS) bash scripts/build-deb.sh $(DEB_BUILD)

# The packages as a maintainer checks them: lintian without errors or
# warnings, hardening-check on every program, vantor-admin without desktop
# libraries, the Recommends, the documentation and autopkgtest.
check-deb: deb
	bash scripts/check-deb.sh $(DEB_BUILD)

# Each package on a bare Debian 12 root of its own: what it pulls in, and that
# installing, removing and purging it leaves nothing behind. Needs the network
# for debootstrap and apt; not part of CI.
check-deb-chroot: deb
	bash scripts/check-deb-chroot.sh $(DEB_BUILD)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(DEB_BUILD) $(FUZZ_BUILD)
