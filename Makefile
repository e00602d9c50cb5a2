.PHONY: test demo setup fuzz bench clean

test: setup
	scripts/test

# HEADLESS=1 runs the scenario by itself even where there is a display.
demo: setup
	HEADLESS=$(HEADLESS) scripts/demo

setup:
	scripts/setup

fuzz:
	scripts/fuzz

# Benchmarks run on an optimised build without sanitizers.
bench: setup
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	build/bench/bench/bench_replace

clean:
	rm -rf build
