# The README's commands. Every target first makes sure the machine has what the build needs.
JOBS     ?= $(shell nproc)
CI_FLAGS := $(if $(CI),-DWERROR=ON,)
FUZZ_SECONDS ?= 20

.PHONY: setup run run-wine test format bench fuzz golden clean install

setup:
	@scripts/setup

run: setup
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release $(CI_FLAGS) >/dev/null
	cmake --build build/release -j$(JOBS) --target launcher
	scripts/run-demo build/release/launcher/launcher

# The launcher on a game folder whose main.exe is the Windows test client, under
# Wine: after Apply and Play the client prints the values it read.
run-wine: setup
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release $(CI_FLAGS) >/dev/null
	cmake --build build/release -j$(JOBS) --target launcher wineclient
	scripts/run-wine-demo build/release/launcher/launcher build/release/wineclient/main.exe

# Installs the program, its skin folders, menu entry and icon below PREFIX.
PREFIX ?= /usr/local
install: setup
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release $(CI_FLAGS) >/dev/null
	cmake --build build/release -j$(JOBS) --target launcher launcher_share
	cmake --install build/release --prefix "$(PREFIX)"

test: setup
	scripts/format
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON $(CI_FLAGS) >/dev/null
	cmake --build build/test -j$(JOBS)
	cd build/test && ctest --output-on-failure -j$(JOBS)

# Rewrites every C++ source in the checked-in formatting.
format: setup
	scripts/format --fix

bench: setup
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCH=ON -DBUILD_TESTS=OFF >/dev/null
	cmake --build build/bench -j$(JOBS)
	@for b in build/bench/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

fuzz: setup
	CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DBUILD_FUZZ=ON >/dev/null
	cmake --build build/fuzz -j$(JOBS)
	@# New inputs go to a scratch corpus in build/; the checked-in seeds are only read.
	@for f in build/fuzz/fuzz/fuzz_*; do \
		n=$$(basename $$f); mkdir -p build/fuzz/corpus/$$n fuzz/corpus/$$n; \
		"$$f" -max_total_time=$(FUZZ_SECONDS) build/fuzz/corpus/$$n fuzz/corpus/$$n || exit 1; \
	done

golden: setup
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON >/dev/null
	cmake --build build/test -j$(JOBS)
	cd build/test && UPDATE_GOLDEN=1 ctest --output-on-failure

# The skin sheet of the stored skin in a form definition, or of a skin folder:
# make skinsheet OUT=file.png [DFM=... | DIR=skins/Nightfall]
.PHONY: skinsheet
skinsheet: OUT ?= out/skinsheet.png
skinsheet: DFM ?= launcher/Unit1.dfm
skinsheet: setup
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release $(CI_FLAGS) >/dev/null
	cmake --build build/release -j$(JOBS) --target skinsheet
	build/release/tools/skinsheet $(if $(DIR),--dir "$(DIR)",--dfm "$(DFM)") "$(OUT)"

# Draws the launcher's own stored skin into launcher/Unit1.dfm and the dark skin
# made from it into skins/Nightfall (both checked in; the build never runs
# this): make skin [DFM=...]
.PHONY: skin
skin: DFM ?= launcher/Unit1.dfm
skin: setup
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release $(CI_FLAGS) >/dev/null
	cmake --build build/release -j$(JOBS) --target skingen
	build/release/tools/skingen "$(DFM)"

clean:
	rm -rf build
