# Entry points on a fresh Debian machine. `make demo` and `make test` each
# install missing build packages first (as root; otherwise they print the
# one apt-get line to run), then configure and build through the presets.

PACKAGES := cmake ninja-build g++ pkg-config binutils binutils-mingw-w64-i686 \
            libcairo2-dev libfreetype-dev fonts-dejavu-core libpng-dev \
            nlohmann-json3-dev libgtest-dev libbenchmark-dev

PANELHOST := build/bin/panelhost
KESTRIN := build/modules/Kestrin.gau
DEMO_SPEEDS := 0 60 140 250 400

.PHONY: all deps build test demo bench clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing: $$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing build packages; run:"; \
	    echo "  sudo apt-get install -y $$missing"; \
	    exit 1; \
	  fi; \
	fi

build: deps
	cmake --preset default
	cmake --build --preset default

test: build
	ctest --preset default

demo: build
	@mkdir -p out
	@for s in $(DEMO_SPEEDS); do \
	  $(PANELHOST) render $(KESTRIN) --gauge Airspeed --set 61=$$s --settle -o out/airspeed_$$s.png || exit 1; \
	done
	@echo "Airspeed gauge rendered at $(DEMO_SPEEDS) knots: $$(ls out/airspeed_*.png | tr '\n' ' ')"

bench: build
	build/bin/panel_bench

clean:
	rm -rf build out
